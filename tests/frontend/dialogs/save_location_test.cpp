#include "frontend/dialogs/save_location.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace {

// A save dialog never opens in the directory the program was started from:
// the first opens in an existing absolute folder, later ones where the user
// last saved, unless that folder has gone since.
TEST(SaveLocation, OpensWhereTheUserLastSavedWhileThatFolderExists) {
  const QString firstChoice = frontend::SuggestedSavePath(QStringLiteral("Иванов.pdf"));
  const QFileInfo first(firstChoice);
  EXPECT_TRUE(first.isAbsolute()) << firstChoice.toStdString();
  EXPECT_TRUE(first.dir().exists()) << firstChoice.toStdString();
  EXPECT_EQ(first.fileName(), QStringLiteral("Иванов.pdf"));

  auto folder = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(folder->isValid());
  frontend::RememberSaveFolder(folder->filePath(QStringLiteral("январь.ics")));
  EXPECT_EQ(frontend::SuggestedSavePath(QStringLiteral("Иванов.pdf")),
            folder->filePath(QStringLiteral("Иванов.pdf")));

  folder.reset();  // the folder is deleted
  EXPECT_EQ(frontend::SuggestedSavePath(QStringLiteral("Иванов.pdf")), firstChoice);
}

}  // namespace
