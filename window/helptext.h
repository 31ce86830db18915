// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

// The help page's text, as the help picture draws it: the heading, four
// paragraphs (an empty line between two) and, set apart, the line that says
// a click closes it. The window offers the same text to screen readers.
inline constexpr std::array<std::string_view, 17> kHelpLines{
    "DIVIDRA",
    "Per calcolare i componenti dei Dividra inserire",
    "nelle apposite caselle l'impedenza degli altoparlanti",
    "e la frequenza di taglio desiderata.",
    "",
    "Per i tre vie occorre inserire la frequenza minima:",
    "(woofer/medio) e quella massima (medio/tweeter).",
    "",
    "Anche se si otterranno cifre con molti decimali,",
    "tenere presente solo le prime due cifre dopo la",
    "virgola.",
    "",
    "per spostare il cursore nella casella o pulsante",
    "successivo premere il pulsante \"TAB\", per",
    "spostare il cursore nella casella o pulsante pre-",
    "cedente tenere premuto \"SHIFT\" e premere \"TAB\".",
    "Fare click per chiudere",
};
