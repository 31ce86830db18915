// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "applicationsetup.h"
#include "form1.h"
#include "usermessage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

inline const QStringList kTwoWayFields{"txttweeter", "txtwoofer", "txtfrequenza"};
inline const QStringList kThreeWayFields{"txttw", "txtmd", "txtw", "txtmin", "txtmax"};
inline const QStringList kTwoWayLabels{"lblc1", "lblc2", "lbll1", "lbll2"};
inline const QStringList kThreeWayLabels{"labelc1", "Labelc2", "Labelc3", "Labelc4",
                                         "Labell1", "Labell2", "Labell3", "Labell4"};
inline const QStringList kTwoWayCleared{"C1", "C2", "L1", "L2"};
inline const QStringList kThreeWayCleared{"C1", "C2", "C3", "C4", "L1", "L2", "L3", "L4"};

// A shown window whose messages are recorded instead of shown.
struct Fixture {
    Fixture()
    {
        form.setMessagePresenter([this](const UserMessage &message) { messages << message; });
        form.show();
    }

    // Keyboard tests need the window to be the active one.
    bool activate()
    {
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }

    QWidget *widget(const QString &name) { return form.findChild<QWidget *>(name); }
    QLineEdit *field(const QString &name) { return form.findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) { return form.findChild<QLabel *>(name); }
    QPushButton *button(const QString &name) { return form.findChild<QPushButton *>(name); }

    void type(const QStringList &names, const QStringList &texts)
    {
        for (int i = 0; i < names.size(); ++i) {
            QLineEdit *edit = field(names[i]);
            edit->clear();
            QTest::keyClicks(edit, texts[i]);
        }
    }

    QStringList captions(const QStringList &names)
    {
        QStringList result;
        for (const QString &name : names)
            result << label(name)->text();
        return result;
    }

    QStringList texts(const QStringList &names)
    {
        QStringList result;
        for (const QString &name : names)
            result << field(name)->text();
        return result;
    }

    void click(const QString &name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // Both sections filled in and calculated with the worked examples.
    void calculateBoth()
    {
        type(kTwoWayFields, {"8", "8", "3000"});
        click("Command1");
        type(kThreeWayFields, {"8", "8", "8", "500", "5000"});
        click("Command3");
    }

    Form1 form;
    QList<UserMessage> messages;
};
