// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// A UI Automation client, as a Windows screen reader is one: it finds the
// top-level window of the given title, walks the tree of elements under it
// and prints one line for each, fields separated by tabs:
//   control type, name, "focusable" or "-", help text, full description
// A property the provider does not answer prints as "E_NOTIMPL" (or the
// failure's number), so that the caller can tell "not answered" from
// "empty". Exits 1 when there is no such window or no UI Automation.
//   uia.exe TITLE
#include <windows.h>
#include <initguid.h>
#include <ole2.h>
#include <uiautomationclient.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t *text)
{
    if (!text || !*text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    // One line per element: a line break in a text is shown as "\n".
    std::string escaped;
    for (const char c : out)
        escaped += c == '\n' ? std::string("\\n") : c == '\t' ? std::string(" ") : std::string(1, c);
    return escaped;
}

std::string failure(HRESULT result)
{
    if (result == E_NOTIMPL)
        return "E_NOTIMPL";
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(result));
    return text;
}

// A string property read through the given getter, or why it was not.
template <typename Getter>
std::string text(Getter get)
{
    BSTR value = nullptr;
    const HRESULT result = get(&value);
    if (FAILED(result))
        return failure(result);
    std::string out = utf8(value);
    SysFreeString(value);
    return out;
}

const char *typeName(CONTROLTYPEID type)
{
    switch (type) {
    case UIA_ButtonControlTypeId: return "Button";
    case UIA_EditControlTypeId: return "Edit";
    case UIA_ImageControlTypeId: return "Image";
    case UIA_TextControlTypeId: return "Text";
    case UIA_PaneControlTypeId: return "Pane";
    case UIA_WindowControlTypeId: return "Window";
    case UIA_GroupControlTypeId: return "Group";
    case UIA_SeparatorControlTypeId: return "Separator";
    default: return "Other";
    }
}

void print(IUIAutomationElement *element)
{
    CONTROLTYPEID type = 0;
    const HRESULT typed = element->get_CurrentControlType(&type);
    BOOL focusable = FALSE;
    const HRESULT focus = element->get_CurrentIsKeyboardFocusable(&focusable);
    const std::string name = text([&](BSTR *v) { return element->get_CurrentName(v); });
    const std::string help = text([&](BSTR *v) { return element->get_CurrentHelpText(v); });
    // The full description is Windows 10's (IUIAutomationElement6).
    std::string description = "E_NOINTERFACE";
    IUIAutomationElement6 *six = nullptr;
    if (SUCCEEDED(element->QueryInterface(IID_IUIAutomationElement6, reinterpret_cast<void **>(&six))) && six) {
        description = text([&](BSTR *v) { return six->get_CurrentFullDescription(v); });
        six->Release();
    }
    std::printf("%s\t%s\t%s\t%s\t%s\n", SUCCEEDED(typed) ? typeName(type) : failure(typed).c_str(), name.c_str(),
                FAILED(focus) ? failure(focus).c_str() : focusable ? "focusable" : "-", help.c_str(),
                description.c_str());
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: uia.exe TITLE\n");
        return 2;
    }
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window of that title\n");
        return 1;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
        return 1;
    IUIAutomation *automation = nullptr;
    HRESULT result = CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                                      reinterpret_cast<void **>(&automation));
    if (FAILED(result) || !automation) {
        std::fprintf(stderr, "no UI Automation: %s\n", failure(result).c_str());
        return 1;
    }
    IUIAutomationElement *root = nullptr;
    IUIAutomationCondition *all = nullptr;
    IUIAutomationElementArray *elements = nullptr;
    result = automation->ElementFromHandle(window, &root);
    if (SUCCEEDED(result))
        result = automation->CreateTrueCondition(&all);
    if (SUCCEEDED(result))
        result = root->FindAll(TreeScope_Subtree, all, &elements);
    if (FAILED(result) || !elements) {
        std::fprintf(stderr, "the window's tree could not be walked: %s\n", failure(result).c_str());
        return 1;
    }
    int count = 0;
    elements->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement *element = nullptr;
        if (SUCCEEDED(elements->GetElement(i, &element)) && element) {
            print(element);
            element->Release();
        }
    }
    std::fflush(stdout);
    elements->Release();
    all->Release();
    root->Release();
    automation->Release();
    CoUninitialize();
    return 0;
}
