// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"
#include "fields.h"

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

// What a handler tells the user: a refusal of the input, or a fault that
// stopped a calculation.
struct UserMessage {
    enum class Kind { Refusal, Fault };
    Kind kind;
    QString text;

    friend bool operator==(const UserMessage &, const UserMessage &) = default;
};

// The user's words for each refusal and each fault.
UserMessage refusalMessage(dividra::Refusal refusal);
UserMessage faultMessage(dividra::Fault fault);

// The modal box for a message: one OK button, titled with the application's
// display name; no icon for a refusal, the critical icon for a fault.
std::unique_ptr<QMessageBox> createMessageBox(const UserMessage &message, QWidget *parent);
