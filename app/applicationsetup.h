#pragma once

class QApplication;

// Names, style and fonts that the whole application shares; the executable
// and the window tests both start from here.
void configureApplication(QApplication &application);
