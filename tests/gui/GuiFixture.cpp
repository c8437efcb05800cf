#include "GuiFixture.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>
#include <cstring>

#include "app/ProgramLanguage.h"
#include "database/FlashLayout.h"

namespace {

// One QApplication for the whole test program; settings go to a private directory.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CONFIG_HOME", QDir(configDir_.path()).filePath("config").toLocal8Bit());
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    QTemporaryDir configDir_;
    int argc_ = 1;
    char name_[8] = "zevgui";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

QByteArray ImageOf(const zev::ChannelDatabase& db, zev::ImageKind kind) {
    std::vector<uint8_t> out(zev::kOutputImageSize);
    const zev::ImageResult packed = zev::PackImage(db, kind, out);
    EXPECT_TRUE(packed.ok) << packed.error;
    return QByteArray(reinterpret_cast<const char*>(out.data()),
                      static_cast<qsizetype>(zev::ImageSize(db.header, kind)));
}

QByteArray OneChannelImage(const char* channel) {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::UpdateFlashLayout(db->header, 2, 2);
    db->header.SatCount = 1;
    db->header.TpCount = 1;
    db->transponders[0].Sat = 1;
    db->header.TvCount = 1;
    std::strcpy(db->channels[0].Name.data(), channel);
    db->channels[0].TpNumber = 1;
    return ImageOf(*db);
}

ProgramLanguageScope::ProgramLanguageScope(const QLocale& locale)
    : found_(program_language::Install(*QCoreApplication::instance(), locale)) {}

ProgramLanguageScope::~ProgramLanguageScope() {
    // A translator takes itself out of the application when it is deleted.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(
        QString(), Qt::FindDirectChildrenOnly));
}

void GuiFixture::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
}

void GuiFixture::TearDown() {
    app_.reset();
    QDir::setCurrent(previousDir_);
}

void GuiFixture::StartApp() {
    app_ = std::make_unique<CZevApp>(prompts_);
    ASSERT_TRUE(app_->Start({}));
}

QByteArray GuiFixture::ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void GuiFixture::WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

PseudoTerminal::PseudoTerminal() {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
        slavePath_ = name;
        termios raw{};
        tcgetattr(slave_, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave_, TCSANOW, &raw);
    }
}

PseudoTerminal::~PseudoTerminal() {
    if (slave_ >= 0) close(slave_);
    if (master_ >= 0) close(master_);
}

void PseudoTerminal::Write(const QByteArray& bytes) const {
    ASSERT_EQ(write(master_, bytes.constData(), static_cast<size_t>(bytes.size())), bytes.size());
}
