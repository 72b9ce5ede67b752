#pragma once
// The thumbnail ("サムネイル") album: an index page with a page menu and an inline frame, and
// one page of 3 x 3 thumbnails per nine screenshots, in a new folder named after the moment
// of its creation beneath the program's album folder.
#include <string>
#include <vector>

#include "album/album_output.h"
#include "catalogue/folder_listing.h"
#include "services/clock.h"

namespace vis {

// `create_mode` of the album window.
inline constexpr int kAbsolutePathAlbum = 1;  // the pages point at the screenshots where they lie
inline constexpr int kCopyAlbum = 2;          // the screenshots are copied into the album's images/

// What the album window holds when a build starts.
struct AlbumInput {
    ListedFiles shots;           // the album list in list order: name and save time of each screenshot
    std::string shots_folder;    // the folder the screenshots lie in
    std::string program_folder;  // holds album/ and data/null.gif
    std::string line_colour;     // text of the line-colour combo, as typed or chosen
    std::string edge_colour;     // text of the edge-colour combo
    bool zoom = false;
    bool link = true;
    bool date = true;
    bool file_name = true;
    int create_mode = kCopyAlbum;  // anything but kCopyAlbum copies nothing
};

enum class AlbumFailure {
    none,
    empty_list,      // nothing to build; nothing was touched
    no_screenshots,  // every screenshot of the list has gone (`skipped` names them); nothing was touched
    make_folder,     // failed_path: the album folder or its images folder
    copy,            // failed_path: the file that could not be copied (a screenshot or null.gif)
    write,           // failed_path: the page that could not be written
};

struct AlbumResult {
    AlbumFailure failure = AlbumFailure::none;
    std::string failed_path;
    std::string folder;  // the album folder
    std::string index;   // its index.html, the page to open when the build succeeded
    // File names of the album list whose screenshots were no longer there when the build began:
    // the album lays out the others, numbered as if the missing ones had never been listed.
    std::vector<std::string> skipped;
    // After a failure the build takes back what it made; true when some of it could not be
    // removed, so a partial album is left in `folder`.
    bool partial_album_left = false;
    bool ok() const { return failure == AlbumFailure::none; }
};

// Builds the album. The creation time is read from the clock once, as milliseconds since the
// epoch (what the system clock gives), and names both the folder and the pages' titles. When an
// earlier album of the same second holds that folder name, the new one takes the first free name
// of F + "_2", F + "_3", ...; its pages link to one another and to images/ relatively, so they
// work in any folder. Progress
// goes by pages: through the index's page menu, then through the pages. The window sets the
// progress bar back to 0 and leaves entry 0 of its album list selected afterwards.
AlbumResult write_album(const AlbumInput& in, const Clock& clock, AlbumOutput& out);

}  // namespace vis
