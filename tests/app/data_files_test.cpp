// Where the game finds the files it opens by bare name: the working folder,
// then the player's data folder, then the installed data folders.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/data_files.h"

namespace trimbol::app::testing {
namespace {

class DataFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    for (const char* folder : {"work", "home/trimbol", "local/trimbol", "usr/trimbol"}) {
      ASSERT_TRUE(QDir(root_.path()).mkpath(folder));
    }
    previous_ = QDir::currentPath();
    QDir::setCurrent(Path("work"));
    Set("XDG_DATA_HOME", Path("home"));
    Set("XDG_DATA_DIRS", Path("local") + ':' + Path("usr"));
  }
  void TearDown() override {
    QDir::setCurrent(previous_);
    for (const auto& [name, value] : saved_) value.isNull() ? qunsetenv(name) : qputenv(name, value);
  }

  QString Path(const QString& relative) const { return root_.filePath(relative); }
  void Touch(const QString& relative) {
    QFile file(Path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  static std::string Find(const char* name) { return FindDataFile(name); }
  QTemporaryDir root_;
  void Set(const char* name, const QString& value) {
    saved_.emplace_back(name, qgetenv(name));
    qputenv(name, value.toUtf8());
  }

 private:

  QString previous_;
  std::vector<std::pair<const char*, QByteArray>> saved_;
};

TEST_F(DataFiles, TheWorkingFolderComesFirstThenTheDataHomeThenEachDataFolder) {
  Touch("usr/trimbol/Ничья.wav");
  EXPECT_EQ(Find("Ничья.wav"), Path("usr/trimbol/Ничья.wav").toStdString());
  Touch("local/trimbol/Ничья.wav");
  EXPECT_EQ(Find("Ничья.wav"), Path("local/trimbol/Ничья.wav").toStdString());
  Touch("home/trimbol/Ничья.wav");
  EXPECT_EQ(Find("Ничья.wav"), Path("home/trimbol/Ничья.wav").toStdString());
  Touch("work/Ничья.wav");
  EXPECT_EQ(Find("Ничья.wav"), "Ничья.wav");
}

TEST_F(DataFiles, AFolderOrABrokenLinkOfThatNameIsPassedOver) {
  ASSERT_TRUE(QDir(Path("work")).mkdir("k1.bmp"));
  ASSERT_TRUE(QDir(Path("home/trimbol")).mkdir("k1.bmp"));
  ASSERT_TRUE(QFile::link(Path("nowhere"), Path("local/trimbol/k1.bmp")));
  Touch("usr/trimbol/k1.bmp");
  EXPECT_EQ(Find("k1.bmp"), Path("usr/trimbol/k1.bmp").toStdString());
}

// As the XDG rules say: a relative entry is ignored, and a relative data
// home gives way to the default one.
TEST_F(DataFiles, RelativeDataFoldersAreIgnored) {
  for (const char* decoy : {"work/home/trimbol", "work/dirs/trimbol"}) {
    ASSERT_TRUE(QDir(root_.path()).mkpath(decoy));
    Touch(QString(decoy) + "/8.mid");
  }
  Set("XDG_DATA_HOME", "home");
  Set("XDG_DATA_DIRS", "dirs:" + Path("usr"));
  Set("HOME", Path("person"));
  Touch("usr/trimbol/8.mid");
  EXPECT_EQ(Find("8.mid"), Path("usr/trimbol/8.mid").toStdString());
  ASSERT_TRUE(QDir(Path("person")).mkpath(".local/share/trimbol"));
  Touch("person/.local/share/trimbol/8.mid");
  EXPECT_EQ(Find("8.mid"), Path("person/.local/share/trimbol/8.mid").toStdString());
}

// Nothing found: the bare name, so the error names it as it always has.
TEST_F(DataFiles, AMissingNameStaysBareAndAFileDroppedInLaterIsFound) {
  EXPECT_EQ(Find("7.mid"), "7.mid");
  Touch("home/trimbol/7.mid");
  EXPECT_EQ(Find("7.mid"), Path("home/trimbol/7.mid").toStdString());
}

}  // namespace
}  // namespace trimbol::app::testing
