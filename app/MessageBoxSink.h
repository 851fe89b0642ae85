// Shows the program's messages in Qt message boxes.
#pragma once

// Makes Notify show an OK message box with the program's title. Needs a
// QApplication.
void InstallMessageBoxSink();
