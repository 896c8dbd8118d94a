// The command-line form, run as a real process: trimcopy SOURCE NEWFILE SIZE.
#include "edge_cases.h"
#include "temp_folder.h"
#include "trim_copy.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

namespace trimcopy::testing {
namespace {

namespace fs = std::filesystem;

struct ProcessRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

ProcessRun runTrimcopy(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(TRIMCOPY_PATH), args);
  ProcessRun run;
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
    return run;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

QString arg(const fs::path& path) { return QString::fromStdString(utf8FromPath(path)); }

class CommandLineEdgeCaseTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(CommandLineEdgeCaseTest, NewFileHoldsTheLeadingWholeBlocks) {
  const EdgeCase& c = GetParam();
  TempFolder dir;
  const std::string source = patternBytes(c.sourceSize);
  writeFile(dir / "source.bin", source);

  const ProcessRun run = runTrimcopy({arg(dir / "source.bin"), arg(dir / "new.bin"),
                               QString::number(c.wantedSize)});

  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, std::to_string(c.expectedSize) + " bayt yazıldı.\n");
  EXPECT_EQ(readFile(dir / "new.bin"), source.substr(0, c.expectedSize));
  EXPECT_EQ(readFile(dir / "source.bin"), source);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineEdgeCaseTest, ::testing::ValuesIn(kEdgeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTest, ExistingNewFileIsReplacedAndTurkishNamesWork) {
  TempFolder dir;
  writeFile(dir / "kaynak.bin", patternBytes(4096));
  const fs::path newFile = pathFromUtf8(utf8FromPath(dir.path()) + "/yeni ğüşıöç.bin");
  writeFile(newFile, std::string(20000, 'x'));
  const ProcessRun run = runTrimcopy({arg(dir / "kaynak.bin"), arg(newFile), "4096"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(readFile(newFile), patternBytes(4096));
}

// 4294971392 is 2^32 + 4096: cut to 32 bits it would read as 4096 and stop early.
TEST(CommandLineTest, SizeAboveThirtyTwoBitsIsKept) {
  TempFolder dir;
  writeFile(dir / "source.bin", patternBytes(10240));
  ProcessRun run = runTrimcopy({arg(dir / "source.bin"), arg(dir / "new.bin"), "4294971392"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(fs::file_size(dir / "new.bin"), 10240u);
  run = runTrimcopy({arg(dir / "source.bin"), arg(dir / "new2.bin"), "3000000000"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(fs::file_size(dir / "new2.bin"), 10240u);
}

TEST(CommandLineTest, RefusalsExitNonZeroWithTheReasonAndKeepTheSource) {
  TempFolder dir;
  const std::string source = patternBytes(10240);
  writeFile(dir / "source.bin", source);
  std::error_code ec;
  fs::create_symlink(dir / "source.bin", dir / "link.bin", ec);
  struct Row { QStringList args; int exitCode; std::string reason; };
  const Row rows[] = {
      {{arg(dir / "source.bin"), arg(dir / "source.bin"), "4096"}, 1,
       "işlem yapılacak dosyanın kendisi olamaz"},
      {{arg(dir / "source.bin"), arg(dir / "." / "source.bin"), "4096"}, 1,
       "işlem yapılacak dosyanın kendisi olamaz"},
      {{arg(dir / "source.bin"), arg(dir / "new.bin"), "0"}, 1,
       "İstenilen dosya boyu sıfırdan büyük olmalıdır."},
      {{arg(dir / "source.bin"), arg(dir / "new.bin"), "-2048"}, 1,
       "İstenilen dosya boyu sıfırdan büyük olmalıdır."},
      {{arg(dir / "none.bin"), arg(dir / "new.bin"), "4096"}, 1,
       "İşlem yapılacak dosya bulunamadı"},
      {{arg(dir / "source.bin"), "   ", "4096"}, 1, "Yeni dosya adı boş olamaz."},
      {{arg(dir / "source.bin"), arg(dir / "no-such" / "new.bin"), "4096"}, 1,
       "Yeni dosya oluşturulamadı"},
      {{arg(dir / "source.bin"), arg(dir / "new.bin"), "4.096"}, 2,
       "İstenilen dosya boyu geçerli bir tam sayı değil: \"4.096\""},
      {{arg(dir / "source.bin"), arg(dir / "new.bin")}, 2, "Kullanım: trimcopy"},
  };
  for (const Row& row : rows) {
    const ProcessRun run = runTrimcopy(row.args);
    EXPECT_EQ(run.exitCode, row.exitCode) << row.args.join(' ').toStdString();
    EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  if (!ec) {
    const ProcessRun run = runTrimcopy({arg(dir / "source.bin"), arg(dir / "link.bin"), "4096"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("kendisi olamaz"), std::string::npos) << run.err;
  }
  EXPECT_EQ(readFile(dir / "source.bin"), source);
  EXPECT_FALSE(fs::exists(dir / "new.bin"));
}

#ifdef __linux__
TEST(CommandLineTest, WriteErrorExitsNonZero) {
  TempFolder dir;
  writeFile(dir / "source.bin", patternBytes(65536));
  const ProcessRun run = runTrimcopy({arg(dir / "source.bin"), "/dev/full", "65536"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Yeni dosyaya yazılamadı: \"/dev/full\"\n");
}
#endif

TEST(CommandLineTest, HelpDescribesTheForm) {
  const ProcessRun run = runTrimcopy({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("Kullanım: trimcopy KAYNAK YENİ_DOSYA BOYUT"), std::string::npos);
  EXPECT_NE(run.out.find("1024"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace trimcopy::testing
