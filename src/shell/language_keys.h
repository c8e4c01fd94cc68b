#pragma once

#include <array>
#include <string_view>

namespace mqt {

// Every key of the language file's vocabulary. Each Lng/<Language>.lng holds
// all of them in the section "Form" with a text; the language test checks it.
inline constexpr auto kLanguageKeys = std::to_array<std::string_view>({
    // Main window, in the order ApplyMainCaptions sets them.
    "MainForm->Caption",
    "MainForm->mm_File->Caption",
    "MainForm->mm_SaveAs->Caption",
    "MainForm->mm_Close->Caption",
    "MainForm->mm_View->Caption",
    "MainForm->mm_ZoomIn->Caption",
    "MainForm->mm_ZoomOut->Caption",
    "MainForm->mm_FitToScreen->Caption",
    "MainForm->mm_Execute->Caption",
    "MainForm->mm_Record->Caption",
    "MainForm->mm_Stop->Caption",
    "MainForm->mm_RemoveAdapter->Caption",
    "MainForm->mm_RealtimeDisplay->Caption",
    "MainForm->mm_Help->Caption",
    "MainForm->mm_AppHelp->Caption",
    "MainForm->mm_About->Caption",
    "MainForm->tb_Record->Caption",
    "MainForm->tb_Stop->Caption",
    "MainForm->sb_ZoomIn->Caption",
    "MainForm->sb_Fit->Caption",
    "MainForm->sb_ZoomOut->Caption",
    "MainForm->sb_Example->Caption",
    "MainForm->sb_TestRule->Caption",
    "MainForm->sb_SaveAs->Caption",
    "MainForm->CoolBar1->Bands->Items[0]->Text",
    "MainForm->lb_ScoreLable->Caption",
    "MainForm->lb_TestResult->Caption",
    "MainForm->lb_Quality->Caption",
    "ReportRate",
    "Average",
    "Show",
    // Splash window, about box, driver warning and zoom hint.
    "FirstForm->Caption",
    "PaintWeb",
    "CopyRight",
    "Version",
    "AlarmForm->Caption",
    "MsgCertainDriver",
    "MsgNoPolling",
    "MsgOK",
    "MsgNoHint",
    "MsgClose",
    // Test control, splash checks, device list and filter driver.
    "MsgValidDev",
    "Msgplay",
    "FullSpeedWeb",
    "MsgResoulationA",
    "MsgResoulationB",
    "MsgNoDevice",
    "MsgMouDriverA",
    "MsgMouDriverB",
    "MsgMouInstallOK",
    "MsgMouInstallFail",
    "MsgRemoveMouDev",
    "MsgMouRemoveOK",
    // Plot captions, analysis messages and advice by score.
    "PaintAxisX",
    "PaintAxisY",
    "PaintDifference",
    "MsgFailScore",
    "MsgFewPeak",
    "MsgTooSlow",
    "Score95To100",
    "Score90To94",
    "Score85To89",
    "Score80To84",
    "Score75To79",
    "Score70To74",
    "Score60To69",
    "Score00To59",
});

}  // namespace mqt
