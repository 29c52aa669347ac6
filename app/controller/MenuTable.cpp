#include "MenuTable.h"

#include <QCoreApplication>
#include <Qt>

namespace {

using Row = MenuTable::MenuRow;
using K = Row::Kind;
using D = Row::Does;
using C = CommandId;

constexpr int Ctrl(Qt::Key key) {
    return (Qt::CTRL | key).toCombined();
}

// In the order the window shows them; object names as the program has always named them.
constexpr Row kMenus[] = {
    {K::Menu, "mnuFile", QT_TRANSLATE_NOOP("MenuTable", "ファイル(&F)")},
    {K::Item, "mnuFileLoad", QT_TRANSLATE_NOOP("MenuTable", "読込み(&L)"), C::Load, D::Command,
     Ctrl(Qt::Key_L)},
    {K::Item, "mnuFileSave", QT_TRANSLATE_NOOP("MenuTable", "保存"), C::Save, D::Command,
     Ctrl(Qt::Key_S)},
    {K::Item, "mnuViewThumbnail", QT_TRANSLATE_NOOP("MenuTable", "サムネイル表示"),
     C::ViewThumbnail},
    {K::Item, "mnuFileInfo", QT_TRANSLATE_NOOP("MenuTable", "データファイル情報"),
     C::ViewDataFileInfo},
    {K::Item, "mnuFileParaParaAnime", QT_TRANSLATE_NOOP("MenuTable", "ぱらぱらアニメーション作成"),
     C::ParaParaAnime},
    {K::Item, "mnuFileImport", QT_TRANSLATE_NOOP("MenuTable", "インポート…"), C::Import},
    {K::Item, "mnuFileExport", QT_TRANSLATE_NOOP("MenuTable", "エクスポート…"), C::Export},
    {K::Separator, "mnuFileHyphenForPrint"},
    {K::Item, "mnuFilePrint", QT_TRANSLATE_NOOP("MenuTable", "印刷"), C::PrintMonochromePicture},
    {K::Separator, "mnuFileHyphenForThumbNail", "", C::BootZelk, D::Nothing, 0, false, true},
    {K::Recent, "mnuFileRecent"},
    {K::Separator, "mnuSep"},
    {K::Item, "mnuFin", QT_TRANSLATE_NOOP("MenuTable", "終了"), C::Fin},

    {K::Menu, "mnuEdit", QT_TRANSLATE_NOOP("MenuTable", "編集(&E)")},
    {K::Item, "mnuDraw", QT_TRANSLATE_NOOP("MenuTable", "作図"), C::ChangeMode, D::DrawMode, 0,
     true},
    {K::Item, "mnuNewFig", QT_TRANSLATE_NOOP("MenuTable", "新規図面"), C::NewFigure},
    {K::Separator, "hifun4"},
    {K::Item, "mnuCopy", QT_TRANSLATE_NOOP("MenuTable", "コピー"), C::MonochromeCopy},
    // Undo and redo: Ctrl+Z and Ctrl+Y move the pointer in drawing mode, so U and R.
    {K::Separator, "mnuUndoHyphen"},
    {K::Item, "mnuUndo", QT_TRANSLATE_NOOP("MenuTable", "元に戻す"), C::Undo, D::Command,
     Ctrl(Qt::Key_U)},
    {K::Item, "mnuRedo", QT_TRANSLATE_NOOP("MenuTable", "やり直し"), C::Redo, D::Command,
     Ctrl(Qt::Key_R)},

    {K::Menu, "mnuView", QT_TRANSLATE_NOOP("MenuTable", "表示(&V)")},
    {K::Item, "mnuViewMagnify", QT_TRANSLATE_NOOP("MenuTable", "拡大"), C::Magnify},
    {K::Item, "mnuViewReduce", QT_TRANSLATE_NOOP("MenuTable", "縮小"), C::Reduce},
    {K::Separator, "mnuViewHyphen"},
    {K::Item, "mnuContinuousTurn", QT_TRANSLATE_NOOP("MenuTable", "連続回転表示"),
     C::ContinuousTurn},
    {K::Separator, "mnuSep2"},
    {K::Item, "mnuFrontView", QT_TRANSLATE_NOOP("MenuTable", "正面図"), C::FrontView},
    {K::Item, "mnuTopView", QT_TRANSLATE_NOOP("MenuTable", "平面図"), C::TopView},
    {K::Item, "mnuSideView", QT_TRANSLATE_NOOP("MenuTable", "右側面図"), C::SideView},
    {K::Item, "mnuEqualAngleView", QT_TRANSLATE_NOOP("MenuTable", "等角図"), C::EqualAngleView},
    {K::Separator, "haifun"},
    {K::Item, "mnuThirdAngleProjectionMethod", QT_TRANSLATE_NOOP("MenuTable", "三角法表示"),
     C::ThirdAngleProjectionMethod},
    {K::Separator, "mnuLanguageHyphen"},
    {K::SubMenu, "mnuLanguage", QT_TRANSLATE_NOOP("MenuTable", "言語 / Language")},
    {K::Item, "mnuLanguageJapanese", QT_TRANSLATE_NOOP("MenuTable", "日本語"), C::LanguageJapanese,
     D::Command, 0, true},
    {K::Item, "mnuLanguageEnglish", QT_TRANSLATE_NOOP("MenuTable", "English"), C::LanguageEnglish,
     D::Command, 0, true},
    {K::End, ""},

    {K::Menu, "mnuOption", QT_TRANSLATE_NOOP("MenuTable", "オプション(&O)")},
    {K::SubMenu, "mnuDifficulty", QT_TRANSLATE_NOOP("MenuTable", "操作の難易度")},
    {K::Levels, "mnuDifficultyLevels"},
    {K::Separator, "hifun3"},
    {K::Item, "mnuOtherOption", QT_TRANSLATE_NOOP("MenuTable", "さらに細かい設定"), C::BootZelk,
     D::Nothing, 0, false, false, true},
    {K::End, ""},
    {K::Separator, "hifun"},
    {K::SubMenu, "mnuWiindowSize", QT_TRANSLATE_NOOP("MenuTable", "画面の大きさ")},
    {K::Sizes, "mnuWindowSizes"},
    {K::End, ""},
    {K::Separator, "mnuHifun2"},
    {K::Item, "mnuOptionProInterface", QT_TRANSLATE_NOOP("MenuTable", "詳細入力モード"),
     C::ProInterface, D::ProInterface, 0, true},
    {K::Item, "mnuDrawEnabled", QT_TRANSLATE_NOOP("MenuTable", "作図を許可"), C::BootZelk,
     D::Nothing, 0, false, true, true},
    {K::Item, "mnuSaveEnabled", QT_TRANSLATE_NOOP("MenuTable", "データの保存を許可"), C::BootZelk,
     D::Nothing, 0, false, true, true},
    {K::Separator, "mnuHiFun"},
    {K::Item, "mnuDataPathFixed", QT_TRANSLATE_NOOP("MenuTable", "データの保存場所固定"),
     C::DataPathFixed, D::Command, 0, true},

    {K::Menu, "mnuExercise", QT_TRANSLATE_NOOP("MenuTable", "練習(&R)")},
    {K::Item, "mnuExerciseChoose", QT_TRANSLATE_NOOP("MenuTable", "問題を選ぶ…"),
     C::ExerciseChoose},
    {K::Item, "mnuExerciseCheck", QT_TRANSLATE_NOOP("MenuTable", "答え合わせ"), C::ExerciseCheck},
    {K::Item, "mnuExerciseHint", QT_TRANSLATE_NOOP("MenuTable", "ヒント"), C::ExerciseHint},
    {K::Item, "mnuExerciseAnswer", QT_TRANSLATE_NOOP("MenuTable", "答えを見る"), C::ExerciseAnswer},
    {K::Item, "mnuExerciseSample", QT_TRANSLATE_NOOP("MenuTable", "見本を見る…"),
     C::ExerciseSample},
    {K::Item, "mnuExerciseEnd", QT_TRANSLATE_NOOP("MenuTable", "練習を終える"), C::ExerciseEnd},
    {K::Separator, "mnuExerciseHyphen"},
    {K::Item, "mnuExerciseMake", QT_TRANSLATE_NOOP("MenuTable", "この図形を問題にする"),
     C::ExerciseMake},
    {K::Item, "mnuExerciseRecord", QT_TRANSLATE_NOOP("MenuTable", "成績を書き出す…"),
     C::ExerciseExportProgress},
    {K::Item, "mnuExerciseWorksheet", QT_TRANSLATE_NOOP("MenuTable", "問題用紙…"),
     C::ExerciseWorksheet},

    {K::Menu, "mnuHelp", QT_TRANSLATE_NOOP("MenuTable", "ヘルプ(&H)")},
    {K::Item, "mnuHelpCall", QT_TRANSLATE_NOOP("MenuTable", "ヘルプ"), C::ShowHelp},
    {K::Item, "mnuShowVersion", QT_TRANSLATE_NOOP("MenuTable", "バージョン情報"),
     C::ShowVersionDialog},
};

constexpr MenuTable::ToolRow kToolBar[] = {
    {"cmdFin", QT_TRANSLATE_NOOP("MenuTable", "立体ゼルクの終了"), C::Fin},
    {nullptr, nullptr, C::BootZelk},
    {"cmdFigLoad", QT_TRANSLATE_NOOP("MenuTable", "図形データの読み込み"), C::Load},
    {"cmdFigSave", QT_TRANSLATE_NOOP("MenuTable", "図形データの保存"), C::Save},
    {nullptr, nullptr, C::BootZelk},
    {"cmdDrawFig", QT_TRANSLATE_NOOP("MenuTable", "作図モードと通常モードの切り替えボタン"),
     C::ChangeMode},
    {"cmdNewFig", QT_TRANSLATE_NOOP("MenuTable", "今までの図を消して新しい図を描く"), C::NewFigure},
    {nullptr, nullptr, C::BootZelk},
    {"cmdMagnify", QT_TRANSLATE_NOOP("MenuTable", "図を大きくする"), C::Magnify},
    {"cmdReduce", QT_TRANSLATE_NOOP("MenuTable", "図を小さくする"), C::Reduce},
    {nullptr, nullptr, C::BootZelk},
    {"cmdContinuousTurn", QT_TRANSLATE_NOOP("MenuTable", "図を回転し続けさせる"),
     C::ContinuousTurn},
    {"cmdESC", QT_TRANSLATE_NOOP("MenuTable", "回転を止める"), C::ContinuousTurnStop},
    {nullptr, nullptr, C::BootZelk},
    {"cmdFrontView", QT_TRANSLATE_NOOP("MenuTable", "正面図を表示"), C::FrontView},
    {"cmdTopView", QT_TRANSLATE_NOOP("MenuTable", "平面図を表示"), C::TopView},
    {"cmdSideView", QT_TRANSLATE_NOOP("MenuTable", "右側面図を表示"), C::SideView},
    {"cmdEqualAngleView", QT_TRANSLATE_NOOP("MenuTable", "等角図を表示"), C::EqualAngleView},
    {"cmdThirdAngleProjectionMethod", QT_TRANSLATE_NOOP("MenuTable", "三角法で図形を表示します。"),
     C::ThirdAngleProjectionMethod},
    // Undo and redo, after the buttons of old; enabled when there is a step to take.
    {nullptr, nullptr, C::BootZelk},
    {"cmdUndo", QT_TRANSLATE_NOOP("MenuTable", "元に戻す (Ctrl+U)"), C::Undo},
    {"cmdRedo", QT_TRANSLATE_NOOP("MenuTable", "やり直し (Ctrl+R)"), C::Redo},
    // Exercises: checking an answer.
    {nullptr, nullptr, C::BootZelk},
    {"cmdCheckAnswer", QT_TRANSLATE_NOOP("MenuTable", "答え合わせ（練習問題の答えを調べる）"),
     C::ExerciseCheck},
};

constexpr MenuTable::ToolBoxRow kToolBox[] = {
    {C::TurnUp, 1, QT_TRANSLATE_NOOP("MenuTable", "図を上に回す")},
    {C::TurnLeft, 1, QT_TRANSLATE_NOOP("MenuTable", "図を左に回す")},
    {C::TurnRight, 1, QT_TRANSLATE_NOOP("MenuTable", "図を右に回す")},
    {C::TurnDown, 1, QT_TRANSLATE_NOOP("MenuTable", "図を下に回す")},
    {C::PointerMoveX, 1,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを X のプラス方向へ 1 ステップ動かす")},
    {C::PointerMoveMx, 1,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを X のマイナス方向へ 1 ステップ動かす")},
    {C::PointerMoveY, 1,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを Y のプラス方向へ 1 ステップ動かす")},
    {C::PointerMoveMy, 1,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを Y のマイナス方向へ 1 ステップ動かす")},
    {C::PointerMoveZ, 1,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを Z のプラス方向へ 1 ステップ動かす")},
    {C::PointerMoveMz, 1,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを Z のマイナス方向へ 1 ステップ動かす")},
    {C::ReturnPointerToOrigin, 1, QT_TRANSLATE_NOOP("MenuTable", "ポインタを原点に戻す"),
     QT_TRANSLATE_NOOP("MenuTable", "原点")},
    {C::DelTail, 1, QT_TRANSLATE_NOOP("MenuTable", "最後の線を取り消す"),
     QT_TRANSLATE_NOOP("MenuTable", "戻す")},
    {C::Apply, 1, QT_TRANSLATE_NOOP("MenuTable", "ポインタの位置を決定する（線の始点・終点）"),
     QT_TRANSLATE_NOOP("MenuTable", "決定")},
    {C::PointerMoveX, 10,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを X のプラス方向へ 10 ステップ動かす")},
    {C::PointerMoveY, 10,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを Y のプラス方向へ 10 ステップ動かす")},
    {C::PointerMoveZ, 10,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを Z のプラス方向へ 10 ステップ動かす")},
    {C::PointerMoveMx, 10,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを X のマイナス方向へ 10 ステップ動かす")},
    {C::PointerMoveMy, 10,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを Y のマイナス方向へ 10 ステップ動かす")},
    {C::PointerMoveMz, 10,
     QT_TRANSLATE_NOOP("MenuTable", "ポインタを Z のマイナス方向へ 10 ステップ動かす")},
};

using P = ProCommandId;
constexpr MenuTable::ProButtonRow kProButtons[] = {
    {P::TurnUp, "", QT_TRANSLATE_NOOP("MenuTable", "図を上に回す")},
    {P::TurnLeft, "", QT_TRANSLATE_NOOP("MenuTable", "図を左に回す")},
    {P::TurnRight, "", QT_TRANSLATE_NOOP("MenuTable", "図を右に回す")},
    {P::TurnDown, "", QT_TRANSLATE_NOOP("MenuTable", "図を下に回す")},
    {P::ApplyLine, QT_TRANSLATE_NOOP("MenuTable", "決定"), ""},
    {P::DeleteLine, QT_TRANSLATE_NOOP("MenuTable", "削除"), ""},
    {P::NewLine, QT_TRANSLATE_NOOP("MenuTable", "新しい線"), ""},
};

constexpr MenuTable::ContextRow kViewContext[] = {
    {QT_TRANSLATE_NOOP("MenuTable", "正面図"), C::FrontView},
    {QT_TRANSLATE_NOOP("MenuTable", "平面図"), C::TopView},
    {QT_TRANSLATE_NOOP("MenuTable", "右側面図"), C::SideView},
    {QT_TRANSLATE_NOOP("MenuTable", "等角図"), C::EqualAngleView},
    {nullptr, C::BootZelk},
    {QT_TRANSLATE_NOOP("MenuTable", "コピー"), C::NormalCopy},
    {nullptr, C::BootZelk},
    {QT_TRANSLATE_NOOP("MenuTable", "元に戻す"), C::Undo},
    {QT_TRANSLATE_NOOP("MenuTable", "やり直し"), C::Redo},
};

} // namespace

std::span<const MenuTable::MenuRow> MenuTable::Menus() {
    return kMenus;
}

std::span<const MenuTable::ToolRow> MenuTable::ToolBar() {
    return kToolBar;
}

std::span<const MenuTable::ToolBoxRow> MenuTable::ToolBox() {
    return kToolBox;
}

std::span<const MenuTable::ProButtonRow> MenuTable::ProButtons() {
    return kProButtons;
}

std::span<const MenuTable::ContextRow> MenuTable::ViewContextMenu() {
    return kViewContext;
}

QString MenuTable::Tr(const char* text) {
    return QCoreApplication::translate("MenuTable", text);
}
