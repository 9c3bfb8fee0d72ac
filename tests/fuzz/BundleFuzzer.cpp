// Opening a download bundle: the input is the bundle file. Whatever it holds, the unpacker either
// refuses it with its message, leaving the folder it unpacks into empty, or lists records whose
// files all lie inside that folder, none larger than a record file can be, with visible names and
// within the limits of depth, members and total size; nothing is ever written beside the folder.
// The limits are lowered so that small inputs reach them (the seeds hold bundles near each).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "record/Bundle.h"
#include "base/Errors.h"

using namespace tremora;
using tremora::fuzzing::Require;
using tremora::fuzzing::ScratchFolder;

namespace {

// Entries of a folder, without following links.
int EntryCount(const std::string& folder) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchFolder scratch;
  static const std::string bundle_path = scratch.File("bundle.tar");
  scratch.Write(bundle_path, std::string_view(reinterpret_cast<const char*>(data), size));

  static const BundleLimits limits = [] {
    BundleLimits lowered;
    lowered.max_members = 64;
    lowered.max_total_bytes = 1 << 20;
    return lowered;
  }();
  {
    PrivateFolder folder;
    const std::string inside = folder.NewSubfolder();
    std::int64_t members = 0;
    try {
      const Bundle bundle = OpenBundle(bundle_path, inside, limits, [&members](const BundleProgress& progress) {
        Require(progress.fraction >= 0 && progress.fraction <= 1);
        members = progress.members;
        return true;
      });
      Require(members <= limits.max_members);
      std::int64_t total = 0;
      for (const BundleRecord& record : bundle.records) {
        for (int ch = 0; ch < kMaxChannels; ++ch) {
          const std::string& file = record.files[ch];
          if (file.empty()) continue;
          Require(file.compare(0, inside.size() + 1, inside + "/") == 0);
          Require(file.find("/../") == std::string::npos);
          Require(std::filesystem::is_regular_file(std::filesystem::symlink_status(file)));
          const auto size = static_cast<std::int64_t>(std::filesystem::file_size(file));
          Require(size <= kMaxBundleMemberBytes);
          total += size;
          for (const unsigned char c : record.members[ch]) Require(c >= 0x20 && c != 0x7F);
        }
        Require(!record.FirstFile().empty());
      }
      Require(total <= limits.max_total_bytes);
    } catch (const BundleError&) {
      // A bundle that cannot be read: refused with its message, and nothing of it kept.
      Require(EntryCount(inside) == 0);
    }
  }
  // The private folder is gone; beside it there is only the scratch folder, holding the bundle.
  const std::filesystem::path scratch_folder = std::filesystem::path(bundle_path).parent_path();
  Require(EntryCount(scratch_folder.string()) == 1);
  Require(EntryCount(scratch_folder.parent_path().string()) == 1);
  return 0;
}
