#include "AppFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {

class Detailed : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        Send("DRAW_MODE");
        Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
    }
    void SetFields(const QStringList& texts) {
        for (int i = 0; i < 6; ++i) {
            Window().PosField(i)->setText(texts[i]);
        }
    }
    QStringList Fields() {
        QStringList out;
        for (int i = 0; i < 6; ++i) {
            out << Window().PosField(i)->text();
        }
        return out;
    }
    bool Pro(const char* command) { return Ctx().proController->SetCommand(command); }
    QString Label() { return Window().LineNumberLabel()->text(); }
};

TEST_F(Detailed, InsertsTypedLinesAndRefusesRepeats) {
    EXPECT_TRUE(Window().ProInterfacePanel()->isVisible());
    EXPECT_FALSE(Window().SecondaryTools()->isVisible());
    EXPECT_TRUE(Window().Action(QStringLiteral("mnuOptionProInterface"))->isChecked());
    Send("NEW_FIGURE");
    EXPECT_EQ(Fields(), QStringList(6, QStringLiteral("0")));
    EXPECT_EQ(Label(), QStringLiteral("LineNo. 0 / 0"));

    // Fields 0, 2, 4 are the start point, 1, 3, 5 the end point.
    SetFields({"0", "10", "0", "0", "0", "0"});
    EXPECT_TRUE(Pro("APPLY_LINE"));
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("Apply Succeeded"));
    EXPECT_EQ(dialogs.calls.last().caption, UserDialogs::ProgramTitle());
    ASSERT_EQ(Figure().NumberOfLines(), 1);
    EXPECT_EQ(Figure().GetLine(1), QStringLiteral("0,0,0,10,0,0"));
    EXPECT_EQ(Label(), QStringLiteral("LineNo. 1 / 1"));

    EXPECT_TRUE(Pro("APPLY_LINE"));
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("Apply Failed"));
    EXPECT_EQ(Figure().NumberOfLines(), 1);
    SetFields({"0", "x", "0", "0", "0", "0"});
    Pro("APPLY_LINE");
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("Apply Failed"));
    EXPECT_FALSE(Pro("apply_line"));

    // The status bar says why each line was refused.
    struct Refused {
        QStringList fields;
        const char* why;
    };
    for (const Refused& r :
         {Refused{{"0", "x", "0", "0", "0", "0"}, "終点の X 座標「x」が数ではありません。"},
          Refused{{"0", "0", "0", "0", "1e", "0"}, "始点の Z 座標「1e」が数ではありません。"},
          Refused{{"5", "5", "0", "0", "7", "7"}, "始点と終点が同じです（長さ 0 の線）。"},
          Refused{{"10", "0", "0", "0", "0", "0"}, "1 番目の線と同じ線です。"}}) {
        SetFields(r.fields);
        Pro("APPLY_LINE");
        EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("Apply Failed"));
        EXPECT_EQ(Window().StatusText(1),
                  QStringLiteral("線を加えられませんでした：") + QString::fromUtf8(r.why));
    }
    EXPECT_EQ(Figure().NumberOfLines(), 1);
}

TEST_F(Detailed, EditedLineIsInsertedAtTheCurrentNumber) {
    ASSERT_EQ(Figure().NumberOfLines(), 15);
    Window().LineNumberScrollBar()->setValue(3);
    EXPECT_EQ(AppData().ProIF_LineNumber(), 3);
    EXPECT_EQ(Fields(), (QStringList{"80", "40", "40", "40", "0", "0"}));
    EXPECT_EQ(Label(), QStringLiteral("LineNo. 3 / 15"));
    EXPECT_EQ(View().PointerFrom(), QStringLiteral("80,40,0"));

    Window().PosField(5)->setText(QStringLiteral("-20"));
    Pro("APPLY_LINE");
    EXPECT_EQ(Figure().NumberOfLines(), 16);
    EXPECT_EQ(Figure().GetLine(3), QStringLiteral("80,40,0,40,40,-20")) << "stored as typed";
    EXPECT_EQ(Figure().GetLine(4), QStringLiteral("80,40,0,40,40,0"));
    EXPECT_EQ(Label(), QStringLiteral("LineNo. 3 / 16"));
    EXPECT_EQ(Window().LineNumberScrollBar()->maximum(), 16);
}

TEST_F(Detailed, FocusNormalisesTheFieldsIntoThePointers) {
    SetFields({"12.5", "5000", "13.5", "abc", "-20", "7"});
    EXPECT_TRUE(Pro("SET_TEMP_LINE"));
    EXPECT_TRUE(Pro("PRO_INTERFACE_CHANGE"));
    EXPECT_EQ(Fields(), (QStringList{"12", "200", "14", "0", "0", "7"}));
    EXPECT_EQ(AppData().PointerToX(), 200);
    EXPECT_EQ(View().TempLine(), QStringLiteral("12,14,0,200,0,7"));
    EXPECT_TRUE(View().ViewPointerTo());
    EXPECT_EQ(Figure().NumberOfLines(), 15) << "the figure is not touched";
}

TEST_F(Detailed, DeleteAsksAndReports) {
    Send("NEW_FIGURE");
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Pro("DELETE_LINE");
    ASSERT_GE(dialogs.calls.size(), 2);
    EXPECT_EQ(dialogs.calls[dialogs.calls.size() - 2].text,
              QStringLiteral("0 番目の線を削除しようとしています。\r\n本当によろしいですか？"));
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("エラー、または削除されませんでした。"));

    for (int i = 1; i <= 5; ++i) {
        SetFields({"0", QString::number(i), "0", "0", "0", "0"});
        Pro("APPLY_LINE");
    }
    ASSERT_EQ(Figure().NumberOfLines(), 5);
    Window().LineNumberScrollBar()->setValue(5);
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    Pro("DELETE_LINE");
    EXPECT_EQ(Figure().NumberOfLines(), 5);
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Pro("DELETE_LINE");
    EXPECT_EQ(dialogs.calls[dialogs.calls.size() - 2].text,
              QStringLiteral("5 番目の線を削除しようとしています。\r\n本当によろしいですか？"));
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("削除完了"));
    EXPECT_EQ(Figure().NumberOfLines(), 4);
    EXPECT_EQ(AppData().ProIF_LineNumber(), 4);
    EXPECT_EQ(Label(), QStringLiteral("LineNo. 4 / 4"));
    EXPECT_TRUE(dialogs.ScriptUsedUp());
}

// The panel is a form for the keyboard: each key does what a form user expects of the
// focused field or button, and never turns the figure; Esc gives the keys back to the view.
TEST_F(Detailed, TheKeysOfTheFormNeverReachTheView) {
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    Send("NEW_FIGURE");
    QWidget* apply = Window().ProInterfaceButton(4);
    QWidget* remove = Window().ProInterfaceButton(5);
    QLineEdit* fromX = Window().PosField(0);
    auto focus = [](QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    };

    // Tab: the start point's X, Y, Z, the end point's X, Y, Z, then 決定 and 削除.
    focus(fromX);
    const std::vector<QWidget*> order = {Window().PosField(2),
                                         Window().PosField(4),
                                         Window().PosField(1),
                                         Window().PosField(3),
                                         Window().PosField(5),
                                         apply,
                                         remove};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }

    struct Step {
        QWidget* at;
        Qt::Key key;
        int lines;           // lines of the figure afterwards
        QString text;        // the start point's X afterwards (null: not looked at)
        int cursor;          // its caret afterwards (-1: not looked at)
        QWidget* focusAfter; // nullptr: unchanged
        const char* said;    // the last message afterwards (nullptr: not looked at)
    };
    QWidget* panel = Window().ProInterfacePanel();
    const std::vector<Step> steps = {
        // Editing keys edit the field.
        {fromX, Qt::Key_End, 0, "15", 2, nullptr, nullptr},
        {fromX, Qt::Key_Left, 0, "15", 1, nullptr, nullptr},
        {fromX, Qt::Key_Home, 0, "15", 0, nullptr, nullptr},
        {fromX, Qt::Key_Right, 0, "15", 1, nullptr, nullptr},
        {fromX, Qt::Key_Delete, 0, "1", 1, nullptr, nullptr},
        {fromX, Qt::Key_Backspace, 0, "", 0, nullptr, nullptr},
        {fromX, Qt::Key_7, 0, "7", 1, nullptr, nullptr},
        {fromX, Qt::Key_Space, 0, "7 ", 2, nullptr, nullptr},
        {fromX, Qt::Key_Backspace, 0, "7", 1, nullptr, nullptr},
        // Return in any field applies the line.
        {fromX, Qt::Key_Return, 1, "7", -1, nullptr, "Apply Succeeded"},
        {Window().PosField(5), Qt::Key_Enter, 1, {}, -1, nullptr, "Apply Failed"},
        // Space or Return presses the focused button.
        {apply, Qt::Key_Return, 1, {}, -1, panel, "Apply Failed"},
        {apply, Qt::Key_Space, 1, {}, -1, panel, "Apply Failed"},
        {remove, Qt::Key_Space, 0, {}, -1, panel, "削除完了"},
        // Esc gives the keys back to the view.
        {Window().PosField(3), Qt::Key_Escape, 0, {}, -1, panel, nullptr},
        {remove, Qt::Key_Escape, 0, {}, -1, panel, nullptr},
    };
    fromX->setText(QStringLiteral("15"));
    Window().PosField(1)->setText(QStringLiteral("30"));
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        focus(step.at);
        dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
        const qsizetype said = dialogs.calls.size();
        const int16_t longitude = AppData().Longitude();
        const int16_t latitude = AppData().Latitude();
        QTest::keyClick(step.at, step.key);
        QApplication::processEvents();
        EXPECT_EQ(Figure().NumberOfLines(), step.lines) << "step " << i;
        if (!step.text.isNull()) {
            EXPECT_EQ(fromX->text(), step.text) << "step " << i;
        }
        if (step.cursor >= 0) {
            EXPECT_EQ(fromX->cursorPosition(), step.cursor) << "step " << i;
        }
        if (step.said != nullptr) {
            ASSERT_GT(dialogs.calls.size(), said) << "step " << i << ": nothing was said";
            EXPECT_EQ(dialogs.calls.last().text, QString::fromUtf8(step.said)) << "step " << i;
        }
        EXPECT_EQ(QApplication::focusWidget(), step.focusAfter ? step.focusAfter : step.at)
            << "step " << i;
        EXPECT_EQ(AppData().Longitude(), longitude) << "step " << i << ": the figure turned";
        EXPECT_EQ(AppData().Latitude(), latitude) << "step " << i << ": the figure turned";
        EXPECT_FALSE(Window().TurningTimer()->isActive()) << "step " << i;
        if (i == 9) {
            EXPECT_EQ(Figure().GetLine(1), QStringLiteral("7,0,0,30,0,0"));
        }
    }

    // Once the view has the keys, they turn the figure as before.
    const int16_t longitude = AppData().Longitude();
    QTest::keyClick(Window().ProInterfacePanel(), Qt::Key_Left);
    EXPECT_NE(AppData().Longitude(), longitude);
}

} // namespace

// The detailed-input panel is built when first needed; whatever the window was told
// before (values, the mode, the language, the layout) is what it shows.
class LazyPanel : public AppFixture {
protected:
    QWidget* Built() { return Window().findChild<QWidget*>(QStringLiteral("picProInterface")); }
};

TEST_F(LazyPanel, ValuesSetBeforeItWasFirstShownAreWhatItShows) {
    ASSERT_EQ(Built(), nullptr) << "a start without the panel builds none";
    // Only the mode, the language and a new layout reach it while it does not exist.
    for (const char* command :
         {"VIEW_MODE", "LANGUAGE_ENGLISH", "800x600", "DRAW_MODE", "VIEW_MODE"}) {
        ASSERT_TRUE(Send(command)) << command;
    }
    ASSERT_EQ(Built(), nullptr);

    // The controller's values build it, hidden.
    IMainWindow& window = Window();
    // (A new scroll value refreshes the fields from that line, as the user's choice does.)
    window.SetLineScrollRange(1, 9);
    window.SetLineScrollValue(7);
    window.SetLineNumberText(QStringLiteral("LineNo. 7 / 9"));
    window.SetPosFieldText(3, QStringLiteral("12.5"));
    ASSERT_NE(Built(), nullptr);
    EXPECT_FALSE(Built()->isVisible());
    EXPECT_TRUE(Window().SecondaryTools()->isVisible());

    window.ShowProInterfacePanel(true);
    EXPECT_TRUE(Built()->isVisible());
    EXPECT_FALSE(Window().SecondaryTools()->isVisible());
    EXPECT_EQ(window.PosFieldText(3), QStringLiteral("12.5"));
    EXPECT_EQ(window.LineScrollValue(), 7);
    EXPECT_EQ(Window().LineNumberScrollBar()->maximum(), 9);
    EXPECT_EQ(Window().LineNumberLabel()->text(), QStringLiteral("LineNo. 7 / 9"));
    // In view mode nothing of it can be typed in; its words are English.
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(Window().PosField(i)->isEnabled()) << i;
    }
    EXPECT_FALSE(Window().LineNumberScrollBar()->isEnabled());
    EXPECT_EQ(Window().LineNumberScrollBar()->toolTip(),
              QStringLiteral("Choose the line's number"));
    // Laid out for the window as it is now: beside the view, under the tool bar, like the
    // tool box it stands in for.
    EXPECT_EQ(Built()->geometry(), Window().SecondaryTools()->geometry());
    EXPECT_GT(Window().PosField(3)->width(), 10);
    EXPECT_TRUE(Built()->geometry().intersects(
        Window().PosField(3)->geometry().translated(Built()->pos())));
}

TEST_F(LazyPanel, ShownFromTheMenuInDrawingModeItTakesTheFigureAndTheKeys) {
    ASSERT_TRUE(Send("DRAW_MODE"));
    ASSERT_EQ(Built(), nullptr);
    Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
    ASSERT_NE(Built(), nullptr);
    EXPECT_TRUE(Built()->isVisible());
    // Set up for the figure: its line count in the scroll bar and the label.
    const int lines = Figure().NumberOfLines();
    ASSERT_GT(lines, 0);
    EXPECT_EQ(Window().LineNumberScrollBar()->maximum(), lines);
    EXPECT_TRUE(Window().LineNumberLabel()->text().endsWith(QStringLiteral("/ %1").arg(lines)));
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(Window().PosField(i)->isEnabled()) << i;
    }
    EXPECT_GT(Window().ProInterfaceButton(4)->width(), 0);
    // Back to the tool box and again: the same panel, not a second one.
    Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
    EXPECT_FALSE(Built()->isVisible());
    Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
    EXPECT_EQ(Window().findChildren<QWidget*>(QStringLiteral("picProInterface")).size(), 1);
}
