// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usermessage.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace {

// Room for a title bar's close, maximise and minimise buttons and margins.
constexpr int kTitleBarButtonsWidth = 120;

} // namespace

UserMessage refusalMessage(dividra::Refusal refusal)
{
    switch (refusal) {
    case dividra::Refusal::Incomplete:
        return {UserMessage::Kind::Refusal, QStringLiteral("dati non completi")};
    case dividra::Refusal::NotNumeric:
        break;
    }
    return {UserMessage::Kind::Refusal, QStringLiteral("inserire solo dati numerici")};
}

UserMessage faultMessage(dividra::Fault fault)
{
    switch (fault) {
    case dividra::Fault::Overflow:
        return {UserMessage::Kind::Fault,
                QStringLiteral("Overflow: inserire valori compresi tra -32768 e 32767")};
    case dividra::Fault::DivisionByZero:
        return {UserMessage::Kind::Fault,
                QStringLiteral("Divisione per zero: impedenze e frequenze devono essere diverse da zero")};
    case dividra::Fault::InvalidOperation:
        break;
    }
    return {UserMessage::Kind::Fault,
            QStringLiteral("Operazione non valida: impedenze e frequenze devono essere diverse da zero")};
}

std::unique_ptr<QMessageBox> createMessageBox(const UserMessage &message, QWidget *parent)
{
    const QMessageBox::Icon icon = message.kind == UserMessage::Kind::Fault
                                       ? QMessageBox::Critical
                                       : QMessageBox::NoIcon;
    auto box = std::make_unique<QMessageBox>(icon, QApplication::applicationDisplayName(),
                                             message.text, QMessageBox::Ok, parent);
    // A plain OK, whatever icons the desktop's theme would put on buttons.
    box->button(QMessageBox::Ok)->setIcon(QIcon());
    // Wide enough for the whole title beside the title bar's buttons, also
    // where Qt draws that bar itself (Wayland): a short message alone would
    // leave room for its first letter only.
    const int titleWidth = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                               .horizontalAdvance(box->windowTitle());
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(new QSpacerItem(titleWidth + kTitleBarButtonsWidth, 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    return box;
}
