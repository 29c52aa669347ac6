#include "MenuTable.h"

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
    {K::Menu, "mnuFile", "ファイル(&F)"},
    {K::Item, "mnuFileLoad", "読込み(&L)", C::Load, D::Command, Ctrl(Qt::Key_L)},
    {K::Item, "mnuFileSave", "保存", C::Save, D::Command, Ctrl(Qt::Key_S)},
    {K::Item, "mnuViewThumbnail", "サムネイル表示", C::ViewThumbnail},
    {K::Item, "mnuFileInfo", "データファイル情報", C::ViewDataFileInfo},
    {K::Item, "mnuFileParaParaAnime", "ぱらぱらアニメーション作成", C::ParaParaAnime},
    {K::Item, "mnuFileImport", "インポート…", C::Import},
    {K::Item, "mnuFileExport", "エクスポート…", C::Export},
    {K::Separator, "mnuFileHyphenForPrint"},
    {K::Item, "mnuFilePrint", "印刷", C::PrintMonochromePicture},
    {K::Separator, "mnuFileHyphenForThumbNail", "", C::BootZelk, D::Nothing, 0, false, true},
    {K::Recent, "mnuFileRecent"},
    {K::Separator, "mnuSep"},
    {K::Item, "mnuFin", "終了", C::Fin},

    {K::Menu, "mnuEdit", "編集(&E)"},
    {K::Item, "mnuDraw", "作図", C::ChangeMode, D::DrawMode, 0, true},
    {K::Item, "mnuNewFig", "新規図面", C::NewFigure},
    {K::Separator, "hifun4"},
    {K::Item, "mnuCopy", "コピー", C::MonochromeCopy},
    // Undo and redo: Ctrl+Z and Ctrl+Y move the pointer in drawing mode, so U and R.
    {K::Separator, "mnuUndoHyphen"},
    {K::Item, "mnuUndo", "元に戻す", C::Undo, D::Command, Ctrl(Qt::Key_U)},
    {K::Item, "mnuRedo", "やり直し", C::Redo, D::Command, Ctrl(Qt::Key_R)},

    {K::Menu, "mnuView", "表示(&V)"},
    {K::Item, "mnuViewMagnify", "拡大", C::Magnify},
    {K::Item, "mnuViewReduce", "縮小", C::Reduce},
    {K::Separator, "mnuViewHyphen"},
    {K::Item, "mnuContinuousTurn", "連続回転表示", C::ContinuousTurn},
    {K::Separator, "mnuSep2"},
    {K::Item, "mnuFrontView", "正面図", C::FrontView},
    {K::Item, "mnuTopView", "平面図", C::TopView},
    {K::Item, "mnuSideView", "右側面図", C::SideView},
    {K::Item, "mnuEqualAngleView", "等角図", C::EqualAngleView},
    {K::Separator, "haifun"},
    {K::Item, "mnuThirdAngleProjectionMethod", "三角法表示", C::ThirdAngleProjectionMethod},

    {K::Menu, "mnuOption", "オプション(&O)"},
    {K::SubMenu, "mnuDifficulty", "操作の難易度"},
    {K::Levels, "mnuDifficultyLevels"},
    {K::Separator, "hifun3"},
    {K::Item, "mnuOtherOption", "さらに細かい設定", C::BootZelk, D::Nothing, 0, false, false, true},
    {K::End, ""},
    {K::Separator, "hifun"},
    {K::SubMenu, "mnuWiindowSize", "画面の大きさ"},
    {K::Sizes, "mnuWindowSizes"},
    {K::End, ""},
    {K::Separator, "mnuHifun2"},
    {K::Item, "mnuOptionProInterface", "詳細入力モード", C::ProInterface, D::ProInterface, 0, true},
    {K::Item, "mnuDrawEnabled", "作図を許可", C::BootZelk, D::Nothing, 0, false, true, true},
    {K::Item, "mnuSaveEnabled", "データの保存を許可", C::BootZelk, D::Nothing, 0, false, true,
     true},
    {K::Separator, "mnuHiFun"},
    {K::Item, "mnuDataPathFixed", "データの保存場所固定", C::DataPathFixed, D::Command, 0, true},

    {K::Menu, "mnuExercise", "練習(&R)"},
    {K::Item, "mnuExerciseChoose", "問題を選ぶ…", C::ExerciseChoose},
    {K::Item, "mnuExerciseCheck", "答え合わせ", C::ExerciseCheck},
    {K::Item, "mnuExerciseHint", "ヒント", C::ExerciseHint},
    {K::Item, "mnuExerciseAnswer", "答えを見る", C::ExerciseAnswer},
    {K::Separator, "mnuExerciseHyphen"},
    {K::Item, "mnuExerciseMake", "この図形を問題にする", C::ExerciseMake},

    {K::Menu, "mnuHelp", "ヘルプ(&H)"},
    {K::Item, "mnuHelpCall", "ヘルプ", C::ShowHelp},
    {K::Item, "mnuShowVersion", "バージョン情報", C::ShowVersionDialog},
};

constexpr MenuTable::ToolRow kToolBar[] = {
    {"cmdFin", "立体ゼルクの終了", C::Fin},
    {nullptr, nullptr, C::BootZelk},
    {"cmdFigLoad", "図形データの読み込み", C::Load},
    {"cmdFigSave", "図形データの保存", C::Save},
    {nullptr, nullptr, C::BootZelk},
    {"cmdDrawFig", "作図モードと通常モードの切り替えボタン", C::ChangeMode},
    {"cmdNewFig", "今までの図を消して新しい図を描く", C::NewFigure},
    {nullptr, nullptr, C::BootZelk},
    {"cmdMagnify", "図を大きくする", C::Magnify},
    {"cmdReduce", "図を小さくする", C::Reduce},
    {nullptr, nullptr, C::BootZelk},
    {"cmdContinuousTurn", "図を回転し続けさせる", C::ContinuousTurn},
    {"cmdESC", "回転を止める", C::ContinuousTurnStop},
    {nullptr, nullptr, C::BootZelk},
    {"cmdFrontView", "正面図を表示", C::FrontView},
    {"cmdTopView", "平面図を表示", C::TopView},
    {"cmdSideView", "右側面図を表示", C::SideView},
    {"cmdEqualAngleView", "等角図を表示", C::EqualAngleView},
    {"cmdThirdAngleProjectionMethod", "三角法で図形を表示します。", C::ThirdAngleProjectionMethod},
    // Undo and redo, after the buttons of old; enabled when there is a step to take.
    {nullptr, nullptr, C::BootZelk},
    {"cmdUndo", "元に戻す (Ctrl+U)", C::Undo},
    {"cmdRedo", "やり直し (Ctrl+R)", C::Redo},
    // Exercises: checking an answer.
    {nullptr, nullptr, C::BootZelk},
    {"cmdCheckAnswer", "答え合わせ（練習問題の答えを調べる）", C::ExerciseCheck},
};

constexpr MenuTable::ToolBoxRow kToolBox[] = {
    {C::TurnUp, 1, "図を上に回す"},
    {C::TurnLeft, 1, "図を左に回す"},
    {C::TurnRight, 1, "図を右に回す"},
    {C::TurnDown, 1, "図を下に回す"},
    {C::PointerMoveX, 1, "ポインタを X のプラス方向へ 1 ステップ動かす"},
    {C::PointerMoveMx, 1, "ポインタを X のマイナス方向へ 1 ステップ動かす"},
    {C::PointerMoveY, 1, "ポインタを Y のプラス方向へ 1 ステップ動かす"},
    {C::PointerMoveMy, 1, "ポインタを Y のマイナス方向へ 1 ステップ動かす"},
    {C::PointerMoveZ, 1, "ポインタを Z のプラス方向へ 1 ステップ動かす"},
    {C::PointerMoveMz, 1, "ポインタを Z のマイナス方向へ 1 ステップ動かす"},
    {C::ReturnPointerToOrigin, 1, "ポインタを原点に戻す"},
    {C::DelTail, 1, "最後の線を取り消す"},
    {C::Apply, 1, "ポインタの位置を決定する（線の始点・終点）"},
    {C::PointerMoveX, 10, "ポインタを X のプラス方向へ 10 ステップ動かす"},
    {C::PointerMoveY, 10, "ポインタを Y のプラス方向へ 10 ステップ動かす"},
    {C::PointerMoveZ, 10, "ポインタを Z のプラス方向へ 10 ステップ動かす"},
    {C::PointerMoveMx, 10, "ポインタを X のマイナス方向へ 10 ステップ動かす"},
    {C::PointerMoveMy, 10, "ポインタを Y のマイナス方向へ 10 ステップ動かす"},
    {C::PointerMoveMz, 10, "ポインタを Z のマイナス方向へ 10 ステップ動かす"},
};

using P = ProCommandId;
constexpr MenuTable::ProButtonRow kProButtons[] = {
    {P::TurnUp, "", "図を上に回す"},    {P::TurnLeft, "", "図を左に回す"},
    {P::TurnRight, "", "図を右に回す"}, {P::TurnDown, "", "図を下に回す"},
    {P::ApplyLine, "決定", ""},         {P::DeleteLine, "削除", ""},
    {P::NewLine, "新しい線", ""},
};

constexpr MenuTable::ContextRow kViewContext[] = {
    {"正面図", C::FrontView},      {"平面図", C::TopView}, {"右側面図", C::SideView},
    {"等角図", C::EqualAngleView}, {nullptr, C::BootZelk}, {"コピー", C::NormalCopy},
    {nullptr, C::BootZelk},        {"元に戻す", C::Undo},  {"やり直し", C::Redo},
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
