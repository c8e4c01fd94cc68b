#pragma once

class QWidget;

namespace mqt {

// The environment variable that asks the station to echo each score it shows.
inline constexpr const char* kPrintScoreVariable = "MQT_PRINT_SCORE";

// When MQT_PRINT_SCORE is set (to anything but "" or "0"), prints
// "score: <text>" on standard output each time the main window's score label
// is painted with a new text, so a script can read the score the operator
// sees. The label's first text ("---") is not echoed. Nothing happens
// otherwise.
void EchoScoreIfAsked(QWidget* main_form);

}  // namespace mqt
