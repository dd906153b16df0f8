// The box that tells the player the sound system failed.

#include "audio/error_report.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "audio/audio.h"

namespace gyrock::audio {
namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "audio_report_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QApplication> app_;
};

TEST(AudioErrorText, IsTheMessageThenTheCodeOnTheNextLine) {
    EXPECT_EQ(audioErrorText(kSoundInitFailedMessage, 1),
              QString("Can't initialize digital sound system\r\n(error code: 1)"));
    EXPECT_EQ(audioErrorText("x", 0), QString("x\r\n(error code: 0)"));
    EXPECT_EQ(audioErrorText("x", -1), QString("x\r\n(error code: -1)"));
    EXPECT_EQ(audioErrorText("x", 2147483647), QString("x\r\n(error code: 2147483647)"));
}

TEST(ReportAudioError, ShowsAWarningBoxWithTheLastCodeAndWaitsForOk) {
    shutdown();  // makes sure nothing runs, so the last code is NotInitialised
    ASSERT_EQ(lastError(), static_cast<std::int32_t>(AudioError::NotInitialised));

    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen = true;
        text = box->text();
        caption = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);

    reportAudioError(kSoundInitFailedMessage);  // returns once OK is clicked

    ASSERT_TRUE(seen);
    EXPECT_EQ(text, QString("Can't initialize digital sound system\r\n(error code: 3)"));
    EXPECT_EQ(caption, QString("Error"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

}  // namespace
}  // namespace gyrock::audio

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new gyrock::audio::QtEnvironment);
    return RUN_ALL_TESTS();
}
