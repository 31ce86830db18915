// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "helptext.h"
#include "picturebox.h"
#include "ui_Form1.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <array>
#include <string_view>

// A result label and the component whose value it shows.
struct ResultLabel {
    dividra::Component component;
    QLabel *Ui::Form1::*label;
};

namespace {

// Where the window's client area starts on the screen.
constexpr QPoint kStartPosition(154, 113);

// The form's font is 8.25 pt; the form file can only give whole points, so
// the code sets it.
constexpr qreal kDefaultPointSize = 8.25;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

using dividra::Component;

template <std::size_t N>
using Fields = std::array<QLineEdit *Ui::Form1::*, N>;

// A section: its fields in field order, and its result labels in the order
// both "Calcola" and "Cancella" write them.
template <std::size_t FieldCount, std::size_t ResultCount>
struct Section {
    Fields<FieldCount> fields;
    std::array<ResultLabel, ResultCount> results;
};

constexpr Section<3, 4> kTwoWay{
    {&Ui::Form1::txttweeter, &Ui::Form1::txtwoofer, &Ui::Form1::txtfrequenza},
    {{{Component::C1, &Ui::Form1::lblc1},
      {Component::C2, &Ui::Form1::lblc2},
      {Component::L1, &Ui::Form1::lbll1},
      {Component::L2, &Ui::Form1::lbll2}}}};

constexpr Section<5, 8> kThreeWay{
    {&Ui::Form1::txttw, &Ui::Form1::txtmd, &Ui::Form1::txtw, &Ui::Form1::txtmin,
     &Ui::Form1::txtmax},
    {{{Component::C1, &Ui::Form1::labelc1},
      {Component::C2, &Ui::Form1::Labelc2},
      {Component::C3, &Ui::Form1::Labelc3},
      {Component::C4, &Ui::Form1::Labelc4},
      {Component::L1, &Ui::Form1::Labell1},
      {Component::L2, &Ui::Form1::Labell2},
      {Component::L3, &Ui::Form1::Labell3},
      {Component::L4, &Ui::Form1::Labell4}}}};

// Each section shows every component its calculation gives, once.
template <std::size_t N>
constexpr bool showsEach(const std::array<ResultLabel, N> &results,
                         const std::array<Component, N> &components)
{
    return std::ranges::is_permutation(results, components, {}, &ResultLabel::component);
}
static_assert(showsEach(kTwoWay.results, dividra::kTwoWayComponents));
static_assert(showsEach(kThreeWay.results, dividra::kThreeWayComponents));

// The texts stay alive in this holder while the core reads them as views.
template <std::size_t N>
struct FieldTexts {
    FieldTexts(const Ui::Form1 &ui, const Fields<N> &fields)
    {
        for (std::size_t i = 0; i < N; ++i) {
            utf8[i] = (ui.*fields[i])->text().toUtf8();
            views[i] = std::string_view(utf8[i].constData(), std::size_t(utf8[i].size()));
        }
    }
    std::array<QByteArray, N> utf8;
    std::array<std::string_view, N> views;
};

template <std::size_t N>
void clearFields(const Ui::Form1 &ui, const Fields<N> &fields)
{
    for (QLineEdit *Ui::Form1::*field : fields)
        (ui.*field)->clear();
}

// A cleared label shows the component's bare name, as at start.
void clearResults(const Ui::Form1 &ui, std::span<const ResultLabel> results)
{
    for (const ResultLabel &result : results) {
        const std::string_view name = dividra::componentName(result.component);
        (ui.*result.label)->setText(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
}

// The line between the sections is a separator to assistive technology,
// not an unnamed frame.
QAccessibleInterface *accessibleLine(const QString &className, QObject *object)
{
    auto *frame = qobject_cast<QFrame *>(object);
    if (className == QLatin1String("QFrame") && frame && frame->frameShape() == QFrame::HLine)
        return new QAccessibleWidget(frame, QAccessible::Separator);
    return nullptr;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form1>())
    , m_presentMessage([this](const UserMessage &message) { showModalMessage(message); })
{
    // Set before the controls exist, so that each lays out its text in the
    // face it keeps.
    setFont(formFont());
    ui->setupUi(this);
    // The form and its opaque labels stand on the button-face colour.
    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, formPalette.color(QPalette::Button));
    setPalette(formPalette);
    setGeometry(QRect(kStartPosition, size()));
    // Title bars and window switchers ask for these; larger sizes come from
    // the icon theme, by the desktop entry, which costs start-up nothing.
    QIcon icon;
    for (const char *size : {"-16", "-24", "", "-48", "-64"}) {
        const QString picture = QStringLiteral(":/pictures/icon%1.pixels").arg(QLatin1String(size));
        icon.addPixmap(QPixmap::fromImage(readyToDraw(picture)));
    }
    setWindowIcon(icon);

    static const bool lineFactory = (QAccessible::installFactory(accessibleLine), true);
    Q_UNUSED(lineFactory);

    // The help page's text is in its picture; screen readers get it here.
    QStringList help;
    for (const std::string_view line : kHelpLines)
        if (!line.empty())
            help << QString::fromUtf8(line.data(), qsizetype(line.size()));
    ui->Picture3->setAccessibleDescription(help.join(u'\n'));

    // A message box holds every handler back until it is dismissed, however
    // its control was pressed: mouse and keys are blocked by the box, but a
    // screen reader's press action reaches the control all the same.
    const auto unlessModal = [](auto action) {
        return [action] {
            if (!QApplication::activeModalWidget())
                action();
        };
    };
    connect(ui->Command1, &QPushButton::clicked, this, unlessModal([this] { calculateTwoWay(); }));
    connect(ui->Command2, &QPushButton::clicked, this, unlessModal([this] { clearTwoWay(); }));
    connect(ui->Command3, &QPushButton::clicked, this, unlessModal([this] { calculateThreeWay(); }));
    connect(ui->Command4, &QPushButton::clicked, this, unlessModal([this] { clearThreeWay(); }));
    connect(ui->Command5, &QPushButton::clicked, this, unlessModal([] { QCoreApplication::exit(0); }));
    connect(ui->Command6, &QPushButton::clicked, this, unlessModal([this] { ui->Picture3->show(); }));
    connect(ui->Picture3, &PictureBox::clicked, this, unlessModal([this] { ui->Picture3->hide(); }));

    for (QWidget *control : findChildren<QWidget *>())
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);

    ui->txttweeter->setFocus();
}

Form1::~Form1() = default;

QFont Form1::formFont()
{
    // "MS Sans Serif" where the desktop has it; else a stand-in. FreeSans ends
    // the list because it is narrow enough for every caption to fit its label
    // at the same point size, where DejaVu Sans and Liberation Sans are too
    // wide for "Frequenza Massima". The face is named directly: asking Qt for
    // a missing family and its substitutes costs fontconfig a few
    // milliseconds before the first paint.
    static const QString face = [] {
        const QStringList faces{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("FreeSans")};
        const QStringList installed = QFontDatabase::families();
        for (const QString &candidate : faces)
            if (installed.contains(candidate))
                return candidate;
        return faces.front();
    }();
    QFont font(face);
    font.setPointSizeF(kDefaultPointSize);
    // Whole-pixel glyph advances, as the captions were laid out for: with
    // fractional ones "Frequenza Massima" is a third of a pixel too wide.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QPoint Form1::placedOnScreen(const QRect &frame, const QRect &available)
{
    const auto along = [](int start, int length, int areaStart, int areaLength) {
        if (length >= areaLength)
            return areaStart;
        return std::clamp(start, areaStart, areaStart + areaLength - length);
    };
    return {along(frame.x(), frame.width(), available.x(), available.width()),
            along(frame.y(), frame.height(), available.y(), available.height())};
}

// Each of Qt's pixels is ratio screen pixels, rounded to the nearest: one
// of Qt's pixels in from each rounded edge, a window's rounded edges stay
// within the screen's (the two roundings together come to less than one
// screen pixel more than ratio). The screen's own top-left corner is exact:
// Qt scales from it.
QRect Form1::availableInScreenPixels(const QRect &available, const QRect &screen, qreal ratio)
{
    if (ratio == std::floor(ratio))
        return available;
    return available.adjusted(available.left() == screen.left() ? 0 : 1, available.top() == screen.top() ? 0 : 1,
                              -1, -1);
}

// The start position is fixed, but a scaled desktop enlarges the window and
// its position with it: the first time it is shown, the window comes wholly
// onto the available area of the screen it opens on (under its frame's
// centre, or else its own), frame included where the platform already knows
// it (Windows does from the start, X11 only once mapped).
void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_placed || !windowHandle())
        return;
    const QRect frame = geometry().marginsAdded(windowHandle()->frameMargins());
    QScreen *under = QGuiApplication::screenAt(frame.center());
    if (!under)
        under = screen();
    if (!under)
        return;
    m_placed = true;
    const QRect available =
        availableInScreenPixels(under->availableGeometry(), under->geometry(), under->devicePixelRatio());
    const QPoint placed = placedOnScreen(frame, available);
    if (placed != frame.topLeft())
        move(placed);
}

// Alt with a key that types something is an access key or nothing, as on
// the classic desktop: it never types into a field. Alt+Shift with a letter
// presses the letter's button, as Alt with it does (Qt's shortcuts, which
// see a key before any control does, take Alt with the letter itself). Alt
// with a key that types nothing (Backspace, Return, Escape, ...) goes on to
// the control: Alt+Backspace undoes, as in Windows' own fields.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        const QString text = key->text();
        // Windows reports AltGr, which types characters, as Ctrl+Alt.
        if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)
            && !text.isEmpty() && text.front().isPrint()) {
            const QKeySequence accessKey(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
            for (QPushButton *button : findChildren<QPushButton *>())
                if (button->isVisible() && QKeySequence::mnemonic(button->text()) == accessKey)
                    button->animateClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::setMessagePresenter(MessagePresenter presenter)
{
    m_presentMessage = std::move(presenter);
}

void Form1::calculateTwoWay()
{
    const FieldTexts texts(*ui, kTwoWay.fields);
    present(dividra::calculateTwoWay(texts.views), kTwoWay.results);
}

void Form1::calculateThreeWay()
{
    const FieldTexts texts(*ui, kThreeWay.fields);
    present(dividra::calculateThreeWay(texts.views), kThreeWay.results);
}

// The two-way clear writes its labels first and the three-way one its
// fields first.
void Form1::clearTwoWay()
{
    clearResults(*ui, kTwoWay.results);
    clearFields(*ui, kTwoWay.fields);
}

void Form1::clearThreeWay()
{
    clearFields(*ui, kThreeWay.fields);
    clearResults(*ui, kThreeWay.results);
}

void Form1::present(const dividra::Calculation &calculation, std::span<const ResultLabel> results)
{
    std::visit(Overloaded{
                   [&](const dividra::Network &network) {
                       for (const ResultLabel &result : results) {
                           const std::string caption =
                               dividra::resultCaption(result.component, network[result.component]);
                           (ui.get()->*result.label)->setText(QString::fromStdString(caption));
                       }
                   },
                   [&](dividra::Refusal refusal) { m_presentMessage(refusalMessage(refusal)); },
                   [&](dividra::Fault fault) { m_presentMessage(faultMessage(fault)); },
               },
               calculation);
}

void Form1::showModalMessage(const UserMessage &message)
{
    createMessageBox(message, this)->exec();
}
