// One running copy per program folder on each system: a second copy of the same folder sees the
// first, one of another folder does not, the first never sees itself, and once it ends the next
// copy runs.
#include <filesystem>

#include "backend/backend_driver.h"
#include "services/paths.h"
#include "support/temp_folder.h"

namespace vis::test {
namespace {

TEST_F(BackendTest, ASecondCopyOfTheSameProgramFolderSeesTheFirstUntilItEnds) {
    TempFolder root;
    const std::string folder = join_path(root.path(), "プログラム"), other = join_path(root.path(), "other");
    for (const std::string& f : {folder, other}) std::filesystem::create_directory(to_fs_path(f));
    auto first = driver->instance_guard(folder);
    EXPECT_FALSE(first->another_instance_running());
    // Asking again does not make the holder see itself.
    EXPECT_FALSE(first->another_instance_running());
    EXPECT_TRUE(driver->instance_guard(folder)->another_instance_running());
    EXPECT_FALSE(driver->instance_guard(other)->another_instance_running());
    // The second copy's answer took nothing from the first.
    EXPECT_FALSE(first->another_instance_running());

    first.reset();
    EXPECT_FALSE(driver->instance_guard(folder)->another_instance_running());
}

}  // namespace
}  // namespace vis::test
