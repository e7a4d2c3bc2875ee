#include "FrmMain.h"

#include "shell/layer/Checked.h"
#include "shell/FrmStart.h"
#include "shell/layer/KeyCodes.h"
#include "shell/layer/Program.h"

namespace {
const FontSpec panelFont{"Papyrus", 9.75f, true};
const char *const keysHelp = "Left and Right arrows steer the ball, Space pauses and resumes, Escape leaves the game";
} // namespace

FrmMain::FrmMain()
    : Form({"Zellomar", 6855.0f, 6585.0f, colour::black, Frame::FixedTool}),
      shpBall(*this, {480, 1680, 255, 255}, systemColour::windowBackground),
      lblStatus(*this, {4560, 0, 2295, 6015}, {.caption = "", .font = panelFont, .enabled = false}),
      lblBonus(*this, {5520, 240, 975, 855}, {.caption = "Bonus:", .font = panelFont}),
      lblLevel(*this, {5520, 1320, 975, 855}, {.caption = "Level:", .font = panelFont}),
      lblLives(*this, {5520, 2400, 975, 855}, {.caption = "Lives:", .font = panelFont}),
      lblScore(*this, {5520, 3480, 960, 795}, {.caption = "Score:", .font = panelFont}),
      picCurrWall(*this, {5280, 4560, 1500, 780}, {.enabled = false, .autoSize = true}),
      tmrBall(*this, {.interval = 10, .enabled = true}, [this] { tmrBall_Timer(); }),
      tmrBonus(*this, {.interval = 1000, .enabled = true}, [this] { tmrBonus_Timer(); })
{
    // For a screen reader; the counter labels are read by their captions, as the
    // parts of the panel's status bar.
    setAccessibleName("Zellomar game");
    setAccessibleDescription(keysHelp);
    shpBall.setAccessibleName("Ball");
    lblStatus.setAccessibleName("Counters");
    lblStatus.setParts({&lblBonus, &lblLevel, &lblLives, &lblScore});
    picCurrWall.setAccessibleName("Current wall");
}

std::string statusCaption(const char *title, std::int16_t value)
{
    return std::string(title) + "\r\n" + checked::decimal(value);
}

void FrmMain::Form_Load()
{
    intLevel = 1;
    intLives = 4;
    intScore = 0;
    intBonus = 40;

    // Two thirds of the screen each way: divided by 3 first, then doubled.
    setWidth(checked::single(checked::single(program::screenWidth() / 3.0f) * 2.0f, "window width"));
    setHeight(checked::single(checked::single(program::screenHeight() / 3.0f) * 2.0f, "window height"));

    // The panel's right edge lies at the outer width, so the frame's width of it is out of sight.
    lblStatus.setLeft(checked::single(Width() - lblStatus.Width(), "panel left"));
    lblStatus.setHeight(Height());

    lblBonus.setLeft(checked::single(lblStatus.Left() + 360.0f, "label left"));
    lblLevel.setLeft(checked::single(lblStatus.Left() + 360.0f, "label left"));
    lblLives.setLeft(checked::single(lblStatus.Left() + 360.0f, "label left"));
    lblScore.setLeft(checked::single(lblStatus.Left() + 360.0f, "label left"));

    const float centring = checked::single((lblStatus.Width() - picCurrWall.Width()) / 2.0f, "wall box left");
    picCurrWall.setLeft(checked::single(centring + lblStatus.Left(), "wall box left"));

    intBallStep = 100;

    lblBonus.setCaption(statusCaption("Bonus:", intBonus));
    lblLevel.setCaption(statusCaption("Level:", intLevel));
    lblLives.setCaption(statusCaption("Lives:", intLives));
    lblScore.setCaption(statusCaption("Score:", intScore));

    StartWalls();
}

void FrmMain::Form_Unload(std::int16_t &)
{
    frmStart().Unload(); // its own unload ends the program
    program::End();
}

void FrmMain::Form_KeyDown(std::int16_t KeyCode, std::int16_t)
{
    if (KeyCode == vk::Space) {
        tmrBall.setEnabled(!tmrBall.Enabled());
        tmrBonus.setEnabled(!tmrBonus.Enabled());
        announce(tmrBall.Enabled() ? "Resumed" : "Paused");
    }
    if (KeyCode == vk::Left)
        blnLeftHeld = flag::True;
    if (KeyCode == vk::Right)
        blnRightHeld = flag::True;
    if (KeyCode == vk::Escape)
        Unload();
}

void FrmMain::Form_KeyUp(std::int16_t, std::int16_t)
{
    blnLeftHeld = flag::False;
    blnRightHeld = flag::False;
}

void FrmMain::Form_Deactivate()
{
    // The key-up of an arrow held now goes to another window: let go of it here, as a key-up does.
    blnLeftHeld = flag::False;
    blnRightHeld = flag::False;
}

void FrmMain::tmrBonus_Timer()
{
    const bool bonusLeft = intBonus > 0; // a tick after the end, as Space may bring, is not an end again
    intBonus = checked::sub16(intBonus, 1, "bonus");
    if (intBonus <= 0) {
        tmrBonus.setEnabled(false);
        intBonus = 0;
        if (bonusLeft)
            announce("No bonus left");
    }
    lblBonus.setCaption(statusCaption("Bonus:", intBonus));
}

FrmMain &frmMain()
{
    return program::instance<FrmMain>();
}
