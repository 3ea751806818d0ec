#pragma once

// The VB message-box and mouse-pointer constants, so that calls read like the
// old ones: MsgBox(text, vbYesNo + vbExclamation + vbDefaultButton2, title).
namespace ui {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
    vbMsgBoxHelpButton = 16384,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

enum MousePointer : int {
    vbDefault = 0,
    vbHourglass = 11,
};

} // namespace ui
