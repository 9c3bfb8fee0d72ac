// Hostile bundles: each limit refuses with its message and leaves the unpacking folder empty.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

#include "BundleBuilder.h"
#include "record/Bundle.h"

namespace tremora {
namespace {

using testing::Gzip;
using testing::Members;
using testing::NestedBundle;
using testing::Pack;
using testing::Packing;
using testing::SampleMembers;
using testing::TempFolder;

namespace fs = std::filesystem;

class HostileBundle : public ::testing::Test {
 protected:
  // The refusal's message, or "accepted"; the folder unpacked into must be empty after a refusal.
  std::string Refusal(const std::string& name, const std::string& content, const BundleLimits& limits = {}) {
    const std::string path = work.Write(name, content);
    const std::string folder = scratch.NewSubfolder();
    try {
      opened = OpenBundle(path, folder, limits);
    } catch (const BundleError& error) {
      EXPECT_TRUE(fs::is_empty(folder)) << name;
      return error.what();
    }
    return "accepted";
  }

  TempFolder work{"bundle"};
  PrivateFolder scratch;
  Bundle opened;
};

TEST_F(HostileBundle, ArchivesNestEightDeepAndNoDeeper) {
  EXPECT_EQ(Refusal("eight.tar", NestedBundle(8)), "accepted");
  ASSERT_EQ(opened.records.size(), 1u);
  EXPECT_EQ(opened.records[0].header.StationCode, "AOM001");
  EXPECT_EQ(opened.records[0].FirstMember(), "level2.tar/level3.tar/level4.tar/level5.tar/level6.tar/level7.tar/"
                                             "level8.tar/AOM0011801241951.NS");

  EXPECT_EQ(Refusal("nine.tar", NestedBundle(9)),
            work / "nine.tar" +
                ": member level2.tar/level3.tar/level4.tar/level5.tar/level6.tar/level7.tar/level8.tar/level9.tar: "
                "archives nested more than 8 deep; nothing read");
}

TEST_F(HostileBundle, UnpackedBytesStopAtTheTotalCapAndAtTheDisksMargin) {
  const std::string zeros(600 << 10, '0');
  const std::string bomb = Pack({{"A.NS.gz", Gzip(zeros)}, {"A.EW.gz", Gzip(zeros)}, {"A.UD.gz", Gzip(zeros)}},
                                Packing::Tar);
  BundleLimits limits;
  limits.max_total_bytes = 1 << 20;
  EXPECT_EQ(Refusal("bomb.tar", bomb, limits), work / "bomb.tar" + ": its record files unpack to more than 1 MiB; nothing read");

  // The disk fills while the bundle is read (another program writes to it too).
  int asked = 0;
  limits = BundleLimits();
  limits.free_bytes = [&asked](const std::string&) { return ++asked == 1 ? 65LL << 20 : 63LL << 20; };
  EXPECT_EQ(Refusal("bomb.tar", bomb, limits),
            work / "bomb.tar" +
                ": unpacking it would leave less than 64 MiB free on the temporary folder's disk (TMPDIR); nothing read");
  EXPECT_EQ(asked, 2);
}

TEST_F(HostileBundle, MembersAreCountedAtEveryDepth) {
  Members inner;
  for (int i = 0; i < 30; ++i) inner.emplace_back("note" + std::to_string(i) + ".txt", "x");
  const std::string bundle = Pack({{"a.tar", Pack(inner, Packing::Tar)}, {"b.tar.gz", Pack(inner, Packing::TarGz)}},
                                  Packing::Tar);
  BundleLimits limits;
  limits.max_members = 62;
  EXPECT_EQ(Refusal("many.tar", bundle, limits), "accepted");
  limits.max_members = 61;
  EXPECT_EQ(Refusal("many.tar", bundle, limits),
            work / "many.tar" + ": more than 61 members, more than any download bundle holds; nothing read");
}

TEST_F(HostileBundle, CompressionsThatNeedAnOutsideProgramRunNone) {
  // A program of each name first in PATH leaves a mark when libarchive runs it.
  const std::string mark = work / "ran";
  for (const char* program : {"lrzip", "lzop", "grzip"}) {
    const std::string script = work.Write(std::string("bin/") + program, "#!/bin/sh\ntouch " + mark + "\ncat\n");
    ::chmod(script.c_str(), 0755);
  }
  const char* old_path = std::getenv("PATH");
  const std::string saved = old_path != nullptr ? old_path : "";
  ::setenv("PATH", (work / "bin" + ":" + saved).c_str(), 1);

  const std::string lrzip = std::string("LRZI\0\x06", 6) + std::string(64, '\0');
  const std::string lzop = std::string("\x89LZO\0\r\n\x1a\n", 9) + std::string(64, '\0');
  const std::string grzip = std::string("GRZipII\0\x02\x04:)", 12) + std::string(64, '\0');
  for (const std::string& magic : {lrzip, lzop, grzip}) {
    EXPECT_NE(Refusal("top.tar", magic).find("cannot be read as an archive"), std::string::npos);
    EXPECT_NE(Refusal("nested.tar", Pack({{"inner.tar.gz", magic}}, Packing::Tar)).find("member inner.tar.gz: "),
              std::string::npos);
    // A compressed member of that kind is no gzip file: read as it is, it is no record either.
    ASSERT_EQ(Refusal("member.tar", Pack({{"A.NS.gz", magic}}, Packing::Tar)), "accepted");
    EXPECT_EQ(testing::ReadFileBytes(opened.records.at(0).FirstFile()), magic);
  }
  ::setenv("PATH", saved.c_str(), 1);
  EXPECT_FALSE(fs::exists(mark));
}

TEST_F(HostileBundle, MemberNamesAreShownAsVisibleText) {
  Members members = SampleMembers(testing::kKnetSampleFiles, "\x1b]2;owned\x07/");
  members.emplace_back("\x1b[2J.tar", "not an archive");
  EXPECT_EQ(Refusal("escape.tar", Pack(members, Packing::Tar)),
            work / "escape.tar" + ": member \u241b[2J.tar: truncated or damaged (Unrecognized archive format)");

  members.pop_back();
  ASSERT_EQ(Refusal("escape.tar", Pack(members, Packing::Tar)), "accepted");
  ASSERT_EQ(opened.records.size(), 1u);
  const BundleRecord& record = opened.records[0];
  EXPECT_EQ(record.members[2], "\u241b]2;owned\u2407/AOM0011801241951.UD");
  EXPECT_EQ(record.header.StationCode, "AOM001");
  // The unpacked files carry the visible names, so every message about them does too.
  EXPECT_EQ(opened.Shown(record.files[2]), work / "escape.tar" + ":\u241b]2;owned\u2407/AOM0011801241951.UD");
}

TEST_F(HostileBundle, TwoMembersForOneComponentRefuseThatRecordOnly) {
  const Members kiknet = SampleMembers(testing::kKiknetSampleFiles, "kik/");
  const std::string ns = testing::ReadFileBytes(std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS");
  const struct {
    std::string first, second;
  } pairs[] = {{"AOM0011801241951.NS", "AOM0011801241951.NS.gz"},
               {"AOM0011801241951.NS", "aom0011801241951.ns"},
               {"AOM0011801241951.NS", "./AOM0011801241951.NS"},
               {"knt/AOM0011801241951.NS", "KNT/AOM0011801241951.NS"}};
  for (const auto& pair : pairs) {
    Members members = kiknet;
    members.emplace_back(pair.first, ns);
    members.emplace_back(pair.second, pair.second.ends_with(".gz") ? Gzip(ns) : ns);
    ASSERT_EQ(Refusal("twice.tar", Pack(members, Packing::Tar)), "accepted") << pair.second;
    ASSERT_EQ(opened.refused.size(), 1u);
    EXPECT_EQ(opened.refused[0], work / "twice.tar:" + pair.first + " and " + work / "twice.tar:" + pair.second +
                                     " are both the NS component of one record; that record is not read");
    ASSERT_EQ(opened.records.size(), 2u) << pair.second;
    EXPECT_EQ(opened.records[0].header.StationCode, "NGNH31");
    // The refused record's files are gone; the KiK-net records' six stay.
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(opened.folder)) files += entry.is_regular_file();
    EXPECT_EQ(files, 6) << pair.second;
  }

  // Components spelled in different cases are still one record, read whole.
  Members mixed = {{"AOM0011801241951.NS", ns}};
  for (const auto& [name, content] : SampleMembers({"AOM0011801241951.EW", "AOM0011801241951.UD"})) {
    mixed.emplace_back(name == "AOM0011801241951.EW" ? "aom0011801241951.ew" : name, content);
  }
  ASSERT_EQ(Refusal("mixed.tar", Pack(mixed, Packing::Tar)), "accepted");
  ASSERT_EQ(opened.records.size(), 1u);
  EXPECT_EQ(opened.records[0].members[1], "aom0011801241951.ew");
  EXPECT_TRUE(fs::exists(fs::path(opened.records[0].FirstFile()).parent_path() / "AOM0011801241951.ew"));
}

TEST_F(HostileBundle, ProgressRisesToTheEndAndACancelLeavesNothing) {
  const std::string path = work.Write("event.tar", testing::EventBundle());
  std::vector<double> seen;
  const std::string folder = scratch.NewSubfolder();
  const Bundle bundle = OpenBundle(path, folder, {}, [&](const BundleProgress& progress) {
    seen.push_back(progress.fraction);
    return true;
  });
  ASSERT_EQ(bundle.records.size(), 3u);
  ASSERT_GE(seen.size(), 11u);  // 2 + 3 + 6 members, then the records' headers
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_GE(seen.back(), 0.9);

  int calls = 0;
  const std::string cancelled = scratch.NewSubfolder();
  EXPECT_THROW(OpenBundle(path, cancelled, {}, [&](const BundleProgress&) { return ++calls < 6; }), BundleCancelled);
  EXPECT_TRUE(fs::is_empty(cancelled));
}

}  // namespace
}  // namespace tremora
