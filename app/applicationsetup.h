// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

// Names, style and fonts that the whole application shares; the executable
// and the window tests both start from here.
void configureApplication(QApplication &application);
