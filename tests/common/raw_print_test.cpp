// Printer text and the raw print job: output into a file and through a print command.
#include "common/raw_print.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "fixtures/temp_dir.h"

namespace orv {
namespace {

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(PrinterText, TurkishLettersInCodePage857) {
  EXPECT_EQ(printerText("ÇĞÖÜİŞçğöüış", true),
            "\x80\xA6\x99\x9A\x98\x9E\x87\xA7\x94\x81\x8D\x9F");
  EXPECT_EQ(printerText("i", true), "i");
  EXPECT_EQ(printerText("Amortisman 12,50", true), "Amortisman 12,50");
}

TEST(PrinterText, PlainLettersWhenTurkishLettersAreOff) {
  EXPECT_EQ(printerText("ÇĞÖÜİŞçğöüış", false), "CGOUIScgouis");
  EXPECT_EQ(printerText("Değerleme Listesi", false), "Degerleme Listesi");
}

TEST(PrinterText, ControlCodesPassAndUnknownCharactersBecomeQuestionMarks) {
  EXPECT_EQ(printerText("\x1b" "E\x0f", true), "\x1b" "E\x0f");
  EXPECT_EQ(printerText("€", true), "?");
}

TEST(RawPrintJob, WritesLinesIntoTheOutputFile) {
  test::TempDir dir;
  const auto file = dir.path() / "ORV_PRINT.TXT";
  RawPrintJob job(true);
  job.setOutputFile(file.string());
  ASSERT_TRUE(job.start().isOk());
  EXPECT_EQ(job.state(), 3);
  EXPECT_TRUE(job.writeLine("Şube").isOk());
  EXPECT_TRUE(job.formFeed().isOk());
  const auto written = job.writeBytes("AB");
  ASSERT_TRUE(written.isOk());
  EXPECT_EQ(written.value(), 2u);
  ASSERT_TRUE(job.end().isOk());
  EXPECT_EQ(job.state(), 0);
  EXPECT_EQ(readFile(file), "\x9E" "ube\r\n\f\r\nAB");
}

TEST(RawPrintJob, RefusesToWriteOrEndWhenNotStarted) {
  RawPrintJob job;
  EXPECT_FALSE(job.writeLine("x").isOk());
  EXPECT_FALSE(job.end().isOk());
  EXPECT_EQ(job.state(), 0);
}

TEST(RawPrintJob, AFailedStartLeavesTheJobClosedAndTheNextPrintWorks) {
  test::TempDir dir;
  RawPrintJob job;
  job.setOutputFile((dir.path() / "missing" / "out.txt").string());
  const Status started = job.start();
  EXPECT_FALSE(started.isOk());
  EXPECT_NE(started.message().find("out.txt"), std::string::npos);
  EXPECT_EQ(job.state(), 0);

  job.setOutputFile((dir.path() / "out.txt").string());
  ASSERT_TRUE(job.start().isOk());
  EXPECT_TRUE(job.end().isOk());
}

TEST(RawPrintJob, ASecondStartWhileOpenIsRefusedAndKeepsTheJob) {
  test::TempDir dir;
  RawPrintJob job;
  job.setOutputFile((dir.path() / "out.txt").string());
  ASSERT_TRUE(job.start().isOk());
  EXPECT_FALSE(job.start().isOk());
  EXPECT_EQ(job.state(), 3);
  job.abort();
  EXPECT_EQ(job.state(), 0);
}

#ifndef _WIN32
TEST(RawPrintJob, SendsTheBytesToThePrintCommand) {
  test::TempDir dir;
  const auto file = dir.path() / "queue.bin";
  RawPrintJob job(true);
  job.setSpoolCommand({"sh", "-c", "cat > \"$0\"", file.string()});
  ASSERT_TRUE(job.start().isOk());
  ASSERT_TRUE(job.writeLine("Kasım").isOk());
  ASSERT_TRUE(job.end().isOk());
  EXPECT_EQ(readFile(file), "Kas\x8Dm\r\n");
}

TEST(RawPrintJob, APrintCommandThatRefusesTheJobIsReportedAndTheJobReset) {
  RawPrintJob job;
  job.setSpoolCommand({"sh", "-c", "cat >/dev/null; echo 'queue unknown' >&2; exit 1"});
  ASSERT_TRUE(job.start().isOk());
  ASSERT_TRUE(job.writeLine("x").isOk());
  const Status ended = job.end();
  EXPECT_FALSE(ended.isOk());
  EXPECT_NE(ended.message().find("queue unknown"), std::string::npos);
  EXPECT_EQ(job.state(), 0);
}

TEST(RawPrintJob, APrintCommandThatCannotRunIsReportedAndTheJobReset) {
  RawPrintJob job;
  job.setSpoolCommand({"/nonexistent/orv-lp"});
  // Spawning usually reports the missing program at once; where it cannot, the command's
  // exit status does when the job ends.
  Status result = job.start();
  if (result.isOk()) {
    const Status written = job.writeLine("x");
    result = written.isOk() ? job.end() : written;
  }
  EXPECT_FALSE(result.isOk());
  EXPECT_NE(result.message().find("orv-lp"), std::string::npos) << result.message();
  EXPECT_EQ(job.state(), 0);
}

TEST(RawPrintJob, AWriteToACommandThatQuitIsAFailureNotACrash) {
  RawPrintJob job;
  job.setSpoolCommand({"sh", "-c", "exit 0"});
  ASSERT_TRUE(job.start().isOk());
  const std::string block(1 << 20, 'x');   // more than a pipe holds
  Status written;
  for (int i = 0; i < 4 && written.isOk(); ++i) {
    const auto w = job.writeBytes(block);
    written = w.isOk() ? Status::ok() : w.status();
  }
  EXPECT_FALSE(written.isOk());
  EXPECT_EQ(job.state(), 0);
}

TEST(RawPrintJob, AbortDiscardsTheJob) {
  test::TempDir dir;
  const auto file = dir.path() / "never.bin";
  RawPrintJob job;
  job.setSpoolCommand({"sh", "-c", "cat > \"$0.part\" && mv \"$0.part\" \"$0\"", file.string()});
  ASSERT_TRUE(job.start().isOk());
  ASSERT_TRUE(job.writeLine("x").isOk());
  job.abort();
  EXPECT_EQ(job.state(), 0);
  EXPECT_FALSE(std::filesystem::exists(file));
}
#endif

}  // namespace
}  // namespace orv
