#pragma once
// An album output that keeps everything in memory: the calls in order, the texts written and
// the progress values, with a chosen call made to fail.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "album/album_output.h"

namespace vis::test {

class AlbumRecorder : public AlbumOutput {
public:
    // "mkdir <path>", "write <path>", "copy <from> -> <to>", "remove <path>".
    std::vector<std::string> calls;
    std::map<std::string, std::string> files;  // written texts by path
    std::vector<int> progress_values;
    // The call whose text begins with this fails (and is still recorded); empty: none fails.
    std::string fail_on;
    // Removing fails too, as on a folder the user has locked meanwhile.
    bool fail_removes = false;
    // Folders already there: making them again gives `taken` (recorded all the same).
    std::set<std::string> taken;
    // Files that have gone; every other file is there to read.
    std::set<std::string> gone;

    NewFolder make_folder(const std::string& path) override {
        if (!record("mkdir " + path)) return NewFolder::failed;
        return taken.count(path) ? NewFolder::taken : NewFolder::made;
    }
    bool has_file(const std::string& path) override { return gone.count(path) == 0; }
    bool write_text(const std::string& path, const std::string& utf8_text) override {
        if (!record("write " + path)) return false;
        files[path] = utf8_text;
        return true;
    }
    bool copy_file(const std::string& from, const std::string& to) override {
        return record("copy " + from + " -> " + to);
    }
    bool remove(const std::string& path) override {
        calls.push_back("remove " + path);
        if (fail_removes) return false;
        files.erase(path);
        return true;
    }
    void progress(int percent) override { progress_values.push_back(percent); }

private:
    bool record(const std::string& call) {
        calls.push_back(call);
        return fail_on.empty() || call.rfind(fail_on, 0) != 0;
    }
};

}  // namespace vis::test
