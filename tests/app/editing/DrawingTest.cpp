#include "AppFixture.h"

namespace {

class Drawing : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        Send("DRAW_MODE");
        Send("DIFFICULTY_MIDIUM");
    }
    QString From() const {
        const CAppData& a = *app->Context().appData;
        return QStringLiteral("%1,%2,%3")
            .arg(a.PointerFromX())
            .arg(a.PointerFromY())
            .arg(a.PointerFromZ());
    }
    QString To() const {
        const CAppData& a = *app->Context().appData;
        return QStringLiteral("%1,%2,%3")
            .arg(a.PointerToX())
            .arg(a.PointerToY())
            .arg(a.PointerToZ());
    }
};

TEST_F(Drawing, TwoAppliesMakeALine) {
    const int32_t before = Figure().NumberOfLines();
    EXPECT_TRUE(Send("APPLY"));
    EXPECT_EQ(AppData().DrawingCondition(), QStringLiteral("TO"));
    EXPECT_TRUE(View().ViewPointerTo());
    EXPECT_TRUE(Send("POINTER_MOVE_Y"));
    EXPECT_EQ(Window().StatusText(1),
              QStringLiteral("ポインタの位置 ( 0 , 0 , 0 ) -【 0 , 10 , 0 】"));
    EXPECT_EQ(View().TempLine(), QStringLiteral("0,0,0,0,10,0"));
    EXPECT_TRUE(Send("APPLY"));
    ASSERT_EQ(Figure().NumberOfLines(), before + 1);
    EXPECT_EQ(Figure().GetLine(before + 1), QStringLiteral("0,0,0,0,10,0"));
    EXPECT_EQ(AppData().DrawingCondition(), QStringLiteral("FROM"));
    EXPECT_EQ(From(), QStringLiteral("0,10,0"));
    EXPECT_EQ(View().PointerFrom(), QStringLiteral("0,10,0"));
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("ポインタの位置 【 0 , 10 , 0 】"));
    EXPECT_EQ(CountCues("Turn.wav"), 3) << "a cue after every drawing command";
    EXPECT_TRUE(Figure().IsDirty());

    // Twice without a move: the zero-length line is refused, the pointer stays.
    Send("APPLY");
    Send("APPLY");
    EXPECT_EQ(Figure().NumberOfLines(), before + 1);
    EXPECT_EQ(AppData().DrawingCondition(), QStringLiteral("FROM"));
    EXPECT_EQ(From(), QStringLiteral("0,10,0"));
    // The same line again, backwards: refused as well.
    Send("APPLY");
    Send("POINTER_MOVE_MY");
    Send("APPLY");
    EXPECT_EQ(Figure().NumberOfLines(), before + 1);
}

TEST_F(Drawing, PointersStayInsideTheWorkingSpace) {
    Send("DIFFICULTY_BEGINNER");
    for (int i = 0; i < 6; ++i) {
        Send("POINTER_MOVE_X");
    }
    EXPECT_EQ(From(), QStringLiteral("100,0,0"));
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("ポインタの位置 【 100 , 0 , 0 】"));
    Send("POINTER_MOVE_MZ");
    EXPECT_EQ(From(), QStringLiteral("100,0,0"));
    Send("RETURN_POINTER_TO_ORIGIN");
    EXPECT_EQ(From(), QStringLiteral("0,0,0"));
    Send("DIFFICULTY_SUPER_SPECIAL");
    Send("POINTER_MOVE_Z");
    EXPECT_EQ(From(), QStringLiteral("0,0,1"));
}

TEST_F(Drawing, DeleteTailWhileDrawingRemovesTheLineBetweenThePointers) {
    Send("APPLY");
    Send("POINTER_MOVE_Y");
    Send("APPLY");
    const int32_t lines = Figure().NumberOfLines();
    // Pointers on the line's two ends, in the other order.
    Send("APPLY");
    Send("POINTER_MOVE_MY");
    EXPECT_EQ(To(), QStringLiteral("0,0,0"));
    EXPECT_TRUE(Send("DEL_TAIL"));
    EXPECT_EQ(Figure().NumberOfLines(), lines - 1);
    EXPECT_EQ(AppData().DrawingCondition(), QStringLiteral("FROM"));
    EXPECT_EQ(From(), QStringLiteral("0,0,0")) << "from jumps to where to was";
    EXPECT_FALSE(View().ViewPointerTo());

    // No such line: only back to "FROM", the from pointer stays.
    Send("POINTER_MOVE_Z");
    Send("APPLY");
    Send("POINTER_MOVE_Z");
    Send("DEL_TAIL");
    EXPECT_EQ(Figure().NumberOfLines(), lines - 1);
    EXPECT_EQ(AppData().DrawingCondition(), QStringLiteral("FROM"));
    EXPECT_EQ(From(), QStringLiteral("0,0,10"));
}

TEST_F(Drawing, DeleteTailTakesBackTheLastLine) {
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("APPLY");
    Send("POINTER_MOVE_X");
    Send("APPLY");
    Send("NEW_FIGURE");
    EXPECT_EQ(Figure().NumberOfLines(), 0);
    EXPECT_TRUE(dialogs.ScriptUsedUp());
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("データに変更がありますが、続けますか？"));

    Send("POINTER_MOVE_X");
    Send("APPLY");
    Send("POINTER_MOVE_Y");
    Send("APPLY");
    Send("POINTER_MOVE_Z");
    Send("APPLY");
    Send("POINTER_MOVE_Z");
    Send("APPLY");
    ASSERT_EQ(Figure().NumberOfLines(), 2);
    Send("DEL_TAIL");
    EXPECT_EQ(Figure().NumberOfLines(), 1);
    EXPECT_EQ(From(), QStringLiteral("10,10,0")) << "the end of the new last line";
    EXPECT_EQ(To(), QStringLiteral("10,10,0"));
    Send("DEL_TAIL");
    EXPECT_EQ(Figure().NumberOfLines(), 0);
    EXPECT_EQ(From(), QStringLiteral("0,0,0"));
    Send("POINTER_MOVE_Y");
    Send("DEL_TAIL");
    EXPECT_EQ(From(), QStringLiteral("0,0,0")) << "empty figure: pointers to the origin";
}

TEST_F(Drawing, NewFigureAnsweredNoKeepsTheFigureButRedraws) {
    Send("APPLY");
    Send("POINTER_MOVE_X");
    Send("APPLY");
    const int32_t lines = Figure().NumberOfLines();
    const int cues = CountCues("FileLoad.wav");
    View().SetViewPicture(QImage(10, 10, QImage::Format_RGB32));
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    EXPECT_TRUE(Send("NEW_FIGURE"));
    EXPECT_EQ(Figure().NumberOfLines(), lines);
    EXPECT_EQ(CountCues("FileLoad.wav"), cues + 1);
    EXPECT_EQ(View().ViewImage().size(), View().size()) << "redrawn";
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("ポインタの位置 【 10 , 0 , 0 】"));

    // Answered Yes: the status bar follows the new figure's pointer.
    Send("POINTER_MOVE_Z");
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("NEW_FIGURE");
    EXPECT_EQ(Figure().NumberOfLines(), 0);
    EXPECT_EQ(From(), QStringLiteral("0,0,0"));
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("ポインタの位置 【 0 , 0 , 0 】"));
}

} // namespace
