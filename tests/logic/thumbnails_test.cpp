// The thumbnail grid's logic: where cells and day headers lie, what is decoded first and what is
// dropped when the view moves, the bounded cache, the thumbnails kept on disk, and pictures in
// printers' inks decoded in colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <utility>

#include "imaging/jpeg.h"
#include "services/file_ops.h"
#include "services/paths.h"
#include "support/headless.h"
#include "support/ink_jpeg.h"
#include "support/temp_folder.h"
#include "thumbnails/grid_layout.h"
#include "thumbnails/grid_selection.h"
#include "thumbnails/thumbnail_disk_cache.h"
#include "thumbnails/thumbnail_file.h"
#include "thumbnails/thumbnail_picture.h"
#include "thumbnails/thumbnail_view.h"
#include "thumbnails/thumbnails.h"
#include "thumbnails/visible_first.h"

namespace vis {
namespace {

Picture solid(int width, int height, std::uint32_t colour) {
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(width) * height, colour);
    return p;
}

// Five screenshots of 2006/11/05 and two of the day before, three cells to a row at 96 dpi.
GridLayout seven_shots() {
    GridLayout layout;
    layout.arrange(
        7, [](int i) { return i < 5 ? 20061105 : 20061104; }, 8 + 3 * 200, GridMetrics{});
    return layout;
}

TEST(GridLayout, CellsAndDayHeadersTable) {
    const GridLayout g = seven_shots();
    ASSERT_EQ(g.columns(), 3);
    ASSERT_EQ(g.days().size(), 2u);
    EXPECT_EQ(day_header_text(g.days()[0]), "2006/11/05 (5 枚)");
    EXPECT_EQ(day_header_text(g.days()[1]), "2006/11/04 (2 枚)");
    EXPECT_EQ(g.header(g.days()[1]), (PixelRect{0, 294, 608, 26}));
    EXPECT_EQ(g.total_height(), 454);

    const struct {
        int item;
        PixelRect cell;
    } cells[] = {
        {0, {8, 26, 192, 126}},
        {2, {408, 26, 192, 126}},
        {4, {208, 160, 192, 126}},
        {5, {8, 320, 192, 126}},  // the next day starts a row of its own under its header
        {6, {208, 320, 192, 126}},
        {7, {}},
        {-1, {}},
    };
    for (const auto& c : cells) EXPECT_EQ(g.cell(c.item), c.cell) << "item " << c.item;

    const struct {
        int x, y, item;
    } hits[] = {
        {10, 30, 0},    {10, 10, -1},  // a header
        {205, 30, -1},                 // between two columns
        {10, 154, -1},                 // between two rows
        {410, 160, -1},                // past the day's last cell
        {208, 330, 6},  {410, 330, -1}, {10, 460, -1}, {-3, 30, -1}, {620, 30, -1},
    };
    for (const auto& h : hits) EXPECT_EQ(g.item_at(h.x, h.y), h.item) << h.x << "," << h.y;

    const struct {
        int top, bottom, first, last;
    } bands[] = {
        {0, 100, 0, 3},   {0, 200, 0, 5},  {160, 330, 3, 7}, {159, 161, 0, 5},
        {300, 454, 5, 7}, {-50, 10, 0, 3}, {500, 600, 0, 0},
    };
    for (const auto& b : bands)
        EXPECT_EQ(g.items_between(b.top, b.bottom), std::make_pair(b.first, b.last)) << b.top << "-" << b.bottom;
}

TEST(GridLayout, ScrollToAnItemAndKeyMovesTable) {
    const GridLayout g = seven_shots();
    const struct {
        int item, view_top, new_top;
    } scrolls[] = {
        {4, 0, 94},     // below the view: its bottom (and the gap under it) comes up to the view's bottom
        {0, 94, 0},     // on the day's first row: the header shows too
        {5, 0, 254},    // as far as the scroll range goes
        {3, 254, 152},  // above the view: its top goes to the view's top
        {1, 0, 0},      // already shown: no scroll
    };
    for (const auto& s : scrolls) EXPECT_EQ(g.scroll_to(s.item, s.view_top, 200), s.new_top) << "item " << s.item;
    // A view lower than a cell shows the cell's top.
    EXPECT_EQ(g.scroll_to(4, 0, 50), 160);

    const struct {
        int from;
        GridMove move;
        int to;
    } moves[] = {
        {4, GridMove::up, 1},
        {1, GridMove::down, 4},
        {2, GridMove::down, 4},  // the row below is shorter:
                                 // its last cell
        {4, GridMove::down, 6},  // into the next day, same column
        {3, GridMove::down, 5},
        {5, GridMove::up, 3},
        {6, GridMove::up, 4},
        {0, GridMove::up, 0},
        {6, GridMove::down, 6},
        {0, GridMove::left, 0},
        {6, GridMove::right, 6},
        {2, GridMove::right, 3},
        {0, GridMove::page_down, 3},
        {6, GridMove::page_up, 1},
        {3, GridMove::first, 0},
        {3, GridMove::last, 6},
    };
    for (const auto& m : moves)
        EXPECT_EQ(g.moved(m.from, m.move, 200), m.to) << m.from << " by " << static_cast<int>(m.move);

    GridLayout empty;
    empty.arrange(
        0, [](int) { return 0; }, 1000, GridMetrics{});
    EXPECT_EQ(empty.moved(0, GridMove::down, 200), -1);
    EXPECT_EQ(empty.item_at(10, 30), -1);
    EXPECT_EQ(empty.items_between(0, 1000), std::make_pair(0, 0));
}

TEST(GridLayout, ScalesWithTheScreensDpiAndKeepsAtLeastOneColumn) {
    const GridMetrics m = GridMetrics::scaled(1.5);
    GridLayout narrow;
    narrow.arrange(
        3, [](int) { return 20061105; }, 50, m);
    EXPECT_EQ(narrow.columns(), 1);
    EXPECT_EQ(narrow.cell(2), (PixelRect{12, 39 + 2 * (162 + 27 + 12), 288, 189}));
}

// Over 50,000 screenshots of 400 days, every cell's centre finds its item and every item's band
// holds it: the look-ups by day agree with one another everywhere.
TEST(GridLayout, EveryCellOfFiftyThousandIsFoundAgain) {
    GridLayout g;
    const int n = 50000;
    g.arrange(
        n, [](int i) { return 20070000 - i / 125; }, 1920, GridMetrics{});
    ASSERT_EQ(g.days().size(), 400u);
    for (int i = 0; i < n; ++i) {
        const PixelRect r = g.cell(i);
        ASSERT_EQ(g.item_at(r.left + r.width / 2, r.top + r.height / 2), i);
        const auto [first, last] = g.items_between(r.top, r.top + r.height);
        ASSERT_TRUE(first <= i && i < last) << i;
    }
    EXPECT_EQ(g.cell(n - 1).top + g.cell(n - 1).height + g.metrics().gap, g.total_height());
}

// Each row: clicks (item, Ctrl, Shift) from nothing selected among ten, then what is selected.
TEST(GridSelection, ClicksWithCtrlAndShiftTable) {
    struct Click {
        int item;
        bool ctrl, shift;
    };
    const struct {
        std::vector<Click> clicks;
        std::vector<int> selected;
        int current;
    } rows[] = {
        {{{3, false, false}}, {3}, 3},
        {{{3, false, false}, {5, false, false}}, {5}, 5},
        {{{3, false, false}, {5, true, false}, {1, true, false}}, {1, 3, 5}, 1},
        {{{3, false, false}, {3, true, false}}, {}, 3},  // Ctrl+click takes one away
        {{{3, false, false}, {6, false, true}}, {3, 4, 5, 6}, 6},
        {{{6, false, false}, {3, false, true}}, {3, 4, 5, 6}, 3},
        // Shift ranges run from the anchor: a second Shift+click replaces the first range.
        {{{3, false, false}, {6, false, true}, {1, false, true}}, {1, 2, 3}, 1},
        // Ctrl+Shift adds the range to what was selected.
        {{{0, false, false}, {5, true, false}, {7, true, true}}, {0, 5, 6, 7}, 7},
        // Shift with no anchor yet selects the one clicked.
        {{{4, false, true}}, {4}, 4},
        {{{4, false, false}, {10, false, false}, {-1, true, false}}, {4}, 4},
    };
    for (const auto& r : rows) {
        GridSelection s;
        s.reset(10);
        for (const Click& c : r.clicks) s.click(c.item, c.ctrl, c.shift);
        EXPECT_EQ(s.items(), r.selected) << "after " << r.clicks.size() << " clicks, last on " << r.clicks.back().item;
        EXPECT_EQ(s.selected_count(), static_cast<int>(r.selected.size()));
        EXPECT_EQ(s.current(), r.current);
    }
    GridSelection s;
    s.reset(10);
    s.select({7, 2, 12});
    EXPECT_EQ(s.items(), (std::vector<int>{2, 7}));
    EXPECT_EQ(s.current(), 7);
    s.move_to(9, true);
    EXPECT_EQ(s.items(), (std::vector<int>{7, 8, 9}));
}

TEST(VisibleFirst, OnScreenFromTheTopThenAPageAheadNearestFirst) {
    const struct {
        std::pair<int, int> visible;
        ScrollDirection direction;
        int count;
        std::vector<int> wanted;
    } rows[] = {
        {{6, 9}, ScrollDirection::down, 100, {6, 7, 8, 9, 10, 11}},
        {{6, 9}, ScrollDirection::up, 100, {6, 7, 8, 5, 4, 3}},
        {{1, 4}, ScrollDirection::up, 100, {1, 2, 3, 0}},
        {{8, 10}, ScrollDirection::down, 10, {8, 9}},
        {{0, 0}, ScrollDirection::down, 10, {}},
        {{5, 30}, ScrollDirection::down, 7, {5, 6}},
    };
    for (const auto& r : rows) EXPECT_EQ(wanted_items(r.visible, r.direction, r.count), r.wanted);
}

TEST(ThumbnailCache, DropsTheLeastRecentlySeenAndNeverAnswersForAChangedFile) {
    ThumbnailCache cache(2);
    Picture p;
    p.width = 2;
    p.height = 1;
    p.pixels = std::make_shared<std::vector<std::uint32_t>>(2, 0x123456u);
    const ThumbKey a{"a.jpg", 10, 20061105120000}, b{"b.jpg", 10, 1}, c{"c.jpg", 10, 1};
    cache.put(a, p);
    cache.put(b, p);
    EXPECT_NE(cache.find(a), nullptr);  // a seen after b
    cache.put(c, Picture{});            // an unreadable file is kept too, costing no pixels
    EXPECT_NE(cache.find(a), nullptr);
    EXPECT_EQ(cache.find(b), nullptr);
    EXPECT_NE(cache.find(c), nullptr);
    EXPECT_EQ(cache.bytes(), 8u);
    // The same file saved again: another length or time.
    EXPECT_EQ(cache.find({"a.jpg", 11, 20061105120000}), nullptr);
    EXPECT_EQ(cache.find({"a.jpg", 10, 20061105120001}), nullptr);
    cache.put({"a.jpg", 11, 20061105120000}, p);
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.find(a), nullptr);
    cache.set_capacity(1);
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_EQ(cache.bytes(), 8u);
}

// Posts made on the decoder's thread, run when the test says, as the window's thread would.
class PostBox {
public:
    PostToWindowThread poster() {
        return [this](std::function<void()> f) {
            std::lock_guard lock(mutex_);
            posted_.push_back(std::move(f));
        };
    }
    int run() {
        std::vector<std::function<void()>> now;
        {
            std::lock_guard lock(mutex_);
            now.swap(posted_);
        }
        for (auto& f : now) f();
        return static_cast<int>(now.size());
    }

private:
    std::mutex mutex_;
    std::vector<std::function<void()>> posted_;
};

// A decode that records what it was asked and holds the first one until let go; "bad" files fail.
class GatedDecode {
public:
    ThumbnailDecoder::Decode fn() {
        return [this](const ThumbKey& key, int w, int h) {
            const std::string& path = key.path;
            std::unique_lock lock(mutex_);
            asked_.push_back(path);
            started_.notify_all();
            open_.wait(lock, [&] { return gate_open_; });
            return path.rfind("bad", 0) == 0 ? Picture{} : solid(w, h, 7u);
        };
    }
    void wait_started(std::size_t n) {
        std::unique_lock lock(mutex_);
        started_.wait(lock, [&] { return asked_.size() >= n; });
    }
    void open() {
        std::lock_guard lock(mutex_);
        gate_open_ = true;
        open_.notify_all();
    }
    std::vector<std::string> asked() {
        std::lock_guard lock(mutex_);
        return asked_;
    }

private:
    std::mutex mutex_;
    std::condition_variable started_, open_;
    std::vector<std::string> asked_;
    bool gate_open_ = false;
};

std::vector<ThumbKey> keys(std::initializer_list<const char*> names) {
    std::vector<ThumbKey> k;
    for (const char* n : names) k.push_back({n, 1, 1});
    return k;
}

TEST(Thumbnails, DecodesWhatIsWantedInOrderAndDropsWhatTheViewLeft) {
    PostBox posts;
    GatedDecode decode;
    Thumbnails thumbs(posts.poster(), 10, decode.fn(), 1);
    thumbs.set_box(16, 9);
    std::vector<std::string> ready;
    thumbs.on_ready = [&](const ThumbKey& k) { ready.push_back(k.path); };

    EXPECT_TRUE(thumbs.want(keys({"a", "b", "c"})).empty());
    decode.wait_started(1);  // "a" is being decoded; "b" and "c" wait
    EXPECT_EQ(thumbs.decoder().waiting(), keys({"b", "c"}));
    // The view moved: "b" is dropped, "a" (under way) is not asked twice.
    EXPECT_EQ(thumbs.want(keys({"c", "a", "bad", "d"})), keys({"b"}));
    EXPECT_EQ(thumbs.decoder().waiting(), keys({"c", "bad", "d"}));
    EXPECT_EQ(thumbs.state({"a", 1, 1}), Thumbnails::State::waiting);

    decode.open();
    thumbs.decoder().wait_idle();
    EXPECT_EQ(decode.asked(), (std::vector<std::string>{"a", "c", "bad", "d"}));
    EXPECT_TRUE(ready.empty());  // nothing arrives but through the window's thread
    EXPECT_EQ(posts.run(), 4);
    EXPECT_EQ(ready, (std::vector<std::string>{"a", "c", "bad", "d"}));
    const Picture* got = nullptr;
    EXPECT_EQ(thumbs.state({"d", 1, 1}, &got), Thumbnails::State::ready);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(got->width, 16);
    EXPECT_EQ(thumbs.state({"bad", 1, 1}), Thumbnails::State::unreadable);

    // Kept ones are not asked again; a file saved since is.
    thumbs.want(keys({"a", "c"}));
    thumbs.want({{"d", 2, 1}});
    thumbs.decoder().wait_idle();
    EXPECT_EQ(decode.asked().back(), "d");
    EXPECT_EQ(decode.asked().size(), 5u);
}

TEST(Thumbnails, ALateResultIsNotKeptForAnotherBoxNorDeliveredAfterTheGridIsGone) {
    PostBox posts;
    GatedDecode decode;
    {
        Thumbnails thumbs(posts.poster(), 10, decode.fn(), 1);
        thumbs.set_box(16, 9);
        thumbs.want(keys({"a"}));
        decode.wait_started(1);
        thumbs.set_box(32, 18);  // the screen's dpi changed while "a" was decoded
        decode.open();
        thumbs.decoder().wait_idle();
        posts.run();
        EXPECT_EQ(thumbs.state({"a", 1, 1}), Thumbnails::State::waiting);
        thumbs.want(keys({"b"}));
        thumbs.decoder().wait_idle();
    }
    // "b" arrives after the window closed: nothing is left to tell, and nothing breaks.
    EXPECT_EQ(posts.run(), 1);
}

// Screenshots `per_day` to a day, newest first, each its own file.
class ShotsByDay : public GridItems {
public:
    ShotsByDay(int count, int per_day) : count_(count), per_day_(per_day) {}
    int count() const override { return count_; }
    int day(int item) const override { return 20240701 - item / per_day_; }
    ThumbKey key(int item) const override { return {"shot" + std::to_string(item), 1, 1}; }
    std::string line(int item) const override { return key(item).path; }

private:
    int count_, per_day_;
};

TEST(ThumbnailView, WhatIsOnScreenAndAPageAheadStaysKeptPagingDownAndBackUp) {
    // A view shorter than a row, and one of four rows and a half; days that end mid-row.
    for (const int height : {100, 4 * 134 + 67}) {
        const ShotsByDay items(200, 37);
        PostBox posts;
        Thumbnails thumbs(
            posts.poster(), 1, [](const ThumbKey&, int w, int h) { return solid(w, h, 7u); }, 1);
        ThumbnailView view(items, thumbs);
        view.arrange(8 + 3 * 200, height, 1.0);
        const auto check = [&](ScrollDirection direction) {
            thumbs.decoder().wait_idle();
            posts.run();
            for (int item : wanted_items(view.visible(), direction, items.count()))
                EXPECT_EQ(thumbs.state(items.key(item)), Thumbnails::State::ready)
                    << "item " << item << " with the view at " << view.top() << ", " << height << " high";
        };
        check(ScrollDirection::down);
        const int end = view.layout().max_top(height);
        while (view.top() < end) {
            view.scroll(view.top() + height);
            check(ScrollDirection::down);
        }
        while (view.top() > 0) {
            view.scroll(view.top() - height);
            check(ScrollDirection::up);
        }
    }
}

// Red, green, blue and white as print software stores inks (inverted: 255 for none).
const test::Inks kRedInk{255, 0, 0, 255}, kGreenInk{0, 255, 0, 255}, kBlueInk{0, 0, 255, 255},
    kWhiteInk{255, 255, 255, 255};

void expect_near(std::uint32_t got, std::uint32_t want, const char* what) {
    for (int shift : {0, 8, 16})
        EXPECT_NEAR(static_cast<int>(got >> shift & 0xFF), static_cast<int>(want >> shift & 0xFF), 6)
            << what << std::hex << " got " << got << " want " << want;
}

TEST(InkJpeg, CmykAndYcckDecodeInColourWholeScaledAndAsThumbnails) {
    test::TempFolder dir;
    // Four 16 x 16 quarters: red, green / blue, white.
    const int side = 32;
    std::vector<test::Inks> inks(side * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            inks[y * side + x] = y < 16 ? (x < 16 ? kRedInk : kGreenInk) : (x < 16 ? kBlueInk : kWhiteInk);
    for (const bool ycck : {false, true}) {
        SCOPED_TRACE(ycck ? "YCCK" : "CMYK");
        const std::string path = join_path(dir.path(), ycck ? "ycck.jpg" : "cmyk.jpg");
        test::write_file(path, test::ink_jpeg(side, side, inks, ycck));
        const auto whole = decode_jpeg_file(path);
        ASSERT_TRUE(whole.has_value());
        ASSERT_EQ(whole->width, side);
        expect_near(whole->pixel(4, 4), 0xFF0000, "red");
        expect_near(whole->pixel(28, 4), 0x00FF00, "green");
        expect_near(whole->pixel(4, 28), 0x0000FF, "blue");
        expect_near(whole->pixel(28, 28), 0xFFFFFF, "white");
        const auto scaled = decode_jpeg_file_scaled(path, 4, 4);
        ASSERT_TRUE(scaled.has_value());
        ASSERT_EQ(scaled->width, 4);
        expect_near(scaled->pixel(0, 0), 0xFF0000, "scaled red");
        expect_near(scaled->pixel(3, 3), 0xFFFFFF, "scaled white");
        const Picture thumb = decode_thumbnail(path, 16, 9);
        ASSERT_EQ(thumb.width, 9);
        ASSERT_EQ(thumb.height, 9);
        expect_near(thumb.pixel(8, 0), 0x00FF00, "thumbnail green");
    }
}

TEST(ThumbnailPicture, DecodesAtTheSmallestScaleThatCoversTheBoxAndFitsItsShape) {
    test::TempFolder dir;
    const std::string wide = join_path(dir.path(), "wide.jpg"), square = join_path(dir.path(), "square.jpg");
    test::write_jpeg(wide, 1920, 1080, rgb(200, 40, 10));
    test::write_jpeg(square, 640, 480);
    const struct {
        int min_width, min_height, width, height;
    } scales[] = {
        {192, 108, 240, 135},   // 1/8
        {241, 108, 480, 270},   // 1/4
        {961, 10, 1920, 1080},  // nothing smaller covers it: whole
        {4000, 4000, 1920, 1080},
    };
    for (const auto& s : scales) {
        const auto p = decode_jpeg_file_scaled(wide, s.min_width, s.min_height);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(std::make_pair(p->width, p->height), std::make_pair(s.width, s.height)) << s.min_width;
    }
    const Picture thumb = decode_thumbnail(wide, 192, 108);
    EXPECT_EQ(std::make_pair(thumb.width, thumb.height), std::make_pair(192, 108));
    expect_near(thumb.pixel(100, 50), 0xC8280A, "thumbnail colour");
    const Picture four_three = decode_thumbnail(square, 192, 108);
    EXPECT_EQ(std::make_pair(four_three.width, four_three.height), std::make_pair(144, 108));

    // Damaged or missing files give no picture, and no failure.
    const std::string broken = join_path(dir.path(), "broken.jpg");
    test::write_file(broken, test::read_file(wide).substr(0, 600));
    EXPECT_TRUE(decode_thumbnail(broken, 192, 108).empty());
    EXPECT_TRUE(decode_thumbnail(join_path(dir.path(), "none.jpg"), 192, 108).empty());
    // One cut short right after the whole one is refused too: nothing of the bytes read before
    // stands in for its missing end.
    const std::string whole = test::read_file(wide);
    test::write_file(broken, whole.substr(0, whole.size() / 2));
    ASSERT_FALSE(decode_thumbnail(wide, 192, 108).empty());
    EXPECT_TRUE(decode_thumbnail(broken, 192, 108).empty());
}

// The files under a folder, by their paths below it, in order.
std::vector<std::string> files_under(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::recursive_directory_iterator it(to_fs_path(folder), ec), end; !ec && it != end;
         it.increment(ec))
        if (it->is_regular_file()) names.push_back(from_fs_path(it->path().lexically_relative(to_fs_path(folder))));
    std::sort(names.begin(), names.end());
    return names;
}

const ThumbKey kShot{"C:\\Pelmar Online\\Screen Save\\a.jpg", 288000, 20061105171500};
constexpr std::uint32_t kRed = 0xC8280A, kBlue = 0x0A28C8;

// A decode of red screenshots that counts what it was asked; "bad" files cannot be read.
struct CountedDecode {
    int made = 0;
    ThumbnailDecoder::Decode fn() {
        return [this](const ThumbKey& key, int w, int h) {
            ++made;
            return key.path.ends_with("bad.jpg") ? Picture{} : solid(w, h, kRed);
        };
    }
};

std::string record_of(const ThumbKey& key, std::uint32_t colour) {
    return thumbnail_file_bytes(key, 16, 9, solid(16, 9, colour));
}

TEST(ThumbnailPack, TheWalkFindsEveryWholeRecordPastTornAndDamagedOnes) {
    const ThumbKey b{"C:\\Pelmar Online\\Screen Save\\b.jpg", 1, kShot.saved};
    const std::string a_red = record_of(kShot, kRed), b_red = record_of(b, kRed), a_blue = record_of(kShot, kBlue);
    const std::uint64_t a = thumbnail_key_hash(kShot, 16, 9), bk = thumbnail_key_hash(b, 16, 9);
    std::string flipped = a_red;
    flipped[flipped.size() - 30] ^= 0x01;
    std::string longer = a_red;  // claims a picture a byte longer than it holds
    longer[8] = static_cast<char>(longer[8] + 1);
    const std::size_t ar = a_red.size(), br = b_red.size();
    const struct {
        const char* what;
        std::string pack;
        std::vector<ThumbnailRecordSpan> records;
    } packs[] = {
        {"empty", "", {}},
        {"two records", a_red + b_red, {{a, 0, ar}, {bk, ar, br}}},
        {"a torn record, then one written later", a_red.substr(0, ar / 2) + b_red, {{bk, ar / 2, br}}},
        {"a torn tail between two whole records", a_red + b_red.substr(0, 40) + a_blue, {{a, 0, ar}, {a, ar + 40, ar}}},
        {"only the magic, then a record", "VTHB" + b_red, {{bk, 4, br}}},
        {"foreign bytes, then a record", "JFIF junk" + b_red, {{bk, 9, br}}},
        {"a bit of a picture flipped", flipped + b_red, {{bk, ar, br}}},
        {"a length reaching into the next record", longer + b_red, {{bk, ar, br}}},
        {"bytes after the last record", b_red + "x", {{bk, 0, br}}},
    };
    for (const auto& p : packs) EXPECT_EQ(whole_thumbnail_records(p.pack), p.records) << p.what;
}

TEST(ThumbnailPack, OnePackPerFolderBoxAndDay) {
    const std::string here = join_path(join_path("D:", "Pelmar Online"), "Screen Save");
    const ThumbKey shot{join_path(here, "a.jpg"), 288000, 20061105171500};
    const std::string name = thumbnail_pack_name(shot, 16, 9);
    EXPECT_TRUE(name.ends_with("-20061105.pack")) << name;
    const struct {
        const char* what;
        ThumbKey key;
        int width;
        bool same;
    } keys[] = {
        {"another screenshot of the day", {join_path(here, "b.jpg"), 5, 20061105000000}, 16, true},
        {"saved again that day", {shot.path, shot.size + 9, 20061105235959}, 16, true},
        {"the day before", {shot.path, shot.size, 20061104235959}, 16, false},
        {"another folder", {join_path(join_path(here, "old"), "a.jpg"), shot.size, shot.saved}, 16, false},
        {"another box", shot, 32, false},
    };
    for (const auto& k : keys) EXPECT_EQ(thumbnail_pack_name(k.key, k.width, 9) == name, k.same) << k.what;
}

TEST(ThumbnailDiskCache, KeptUnderTheWholeKeyAndBoxAndADamagedOrForeignPackIsMadeAgain) {
    test::TempFolder dir;
    test::FaultyFileSystem files;
    const std::string folder = join_path(dir.path(), "thumbnails");
    auto disk = std::make_shared<ThumbnailDiskCache>(files, folder);
    CountedDecode counted;
    EXPECT_EQ(through_disk_cache(disk, counted.fn())(kShot, 16, 9).width, 16);
    EXPECT_EQ(files_under(folder), (std::vector<std::string>{thumbnail_pack_name(kShot, 16, 9)}));
    const std::string path = disk->pack_of(kShot, 16, 9);
    const std::string good = test::read_file(path);
    EXPECT_EQ(good, record_of(kShot, kRed));

    // The next run finds it in the pack.
    disk = std::make_shared<ThumbnailDiskCache>(files, folder);
    const auto hit = disk->find(kShot, 16, 9);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(std::make_pair(hit->width, hit->height), std::make_pair(16, 9));
    expect_near(hit->pixel(8, 4), kRed, "kept thumbnail");
    EXPECT_EQ(through_disk_cache(disk, counted.fn())(kShot, 16, 9).width, 16);
    EXPECT_EQ(counted.made, 1);

    const struct {
        const char* what;
        ThumbKey key;
        int width, height;
    } misses[] = {
        {"saved again, another length", {kShot.path, kShot.size + 1, kShot.saved}, 16, 9},
        {"saved again, another time", {kShot.path, kShot.size, kShot.saved + 1}, 16, 9},
        {"another screenshot", {"C:\\Pelmar Online\\Screen Save\\b.jpg", kShot.size, kShot.saved}, 16, 9},
        {"another box", kShot, 32, 18},
    };
    for (const auto& m : misses) EXPECT_FALSE(disk->find(m.key, m.width, m.height).has_value()) << m.what;

    const auto with = [&](std::size_t at, char byte) {
        std::string bytes = good;
        bytes[at] = byte;
        return bytes;
    };
    const std::vector<unsigned char> plain_jpeg = encode_jpeg(solid(16, 9, kRed), 85);
    const ThumbKey other{"C:\\Pelmar Online\\Screen Save\\b.jpg", kShot.size, kShot.saved};
    const struct {
        const char* what;
        std::string bytes;
        bool ours;  // false: a foreign file under the pack's name, left as it is
    } damaged[] = {
        {"empty", "", true},
        {"cut in half", good.substr(0, good.size() / 2), true},
        {"one byte short", good.substr(0, good.size() - 1), true},
        {"a bit of the picture flipped", with(good.size() - 40, static_cast<char>(good[good.size() - 40] ^ 0x10)),
         true},
        {"a later format", with(4, 2), true},
        {"another screenshot's thumbnail", record_of(other, kBlue), true},
        {"a picture larger than the box", thumbnail_file_bytes(kShot, 16, 9, solid(32, 18, kRed)), true},
        {"a plain JPEG", std::string(plain_jpeg.begin(), plain_jpeg.end()), false},
    };
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.what);
        disk = nullptr;  // closes the pack
        test::write_file(path, d.bytes);
        disk = std::make_shared<ThumbnailDiskCache>(files, folder);
        const auto decode = through_disk_cache(disk, counted.fn());
        EXPECT_FALSE(disk->find(kShot, 16, 9).has_value());
        const int before = counted.made;
        expect_near(decode(kShot, 16, 9).pixel(0, 0), kRed, "made again");
        EXPECT_EQ(counted.made, before + 1);
        // Appended after the damage, and found there by the next run; a foreign file is not touched.
        EXPECT_EQ(test::read_file(path), d.ours ? d.bytes + good : d.bytes);
        EXPECT_EQ(ThumbnailDiskCache(files, folder).find(kShot, 16, 9).has_value(), d.ours);
    }
    // Another screenshot's record is found beside those appended after it; the last one of a key wins.
    disk = std::make_shared<ThumbnailDiskCache>(files, folder);  // the pack closed
    test::write_file(path, record_of(other, kBlue) + good + record_of(kShot, kBlue));
    ThumbnailDiskCache next(files, folder);
    expect_near(next.find(other, 16, 9)->pixel(0, 0), kBlue, "the other screenshot's");
    expect_near(next.find(kShot, 16, 9)->pixel(0, 0), kBlue, "the later record of the same key");

    // A screenshot that cannot be read shows the cross and is tried again next time.
    const auto decode = through_disk_cache(disk, counted.fn());
    const ThumbKey bad{"C:\\Pelmar Online\\Screen Save\\bad.jpg", 10, 1};
    EXPECT_TRUE(decode(bad, 16, 9).empty());
    EXPECT_TRUE(decode(bad, 16, 9).empty());
    EXPECT_FALSE(disk->find(bad, 16, 9).has_value());
}

TEST(ThumbnailDiskCache, AFullPackTakesNoMoreAndAnOpenPackCanStillBeRenamed) {
    test::TempFolder dir;
    test::FaultyFileSystem files;
    const std::string folder = join_path(dir.path(), "thumbnails");
    std::vector<ThumbKey> shots;
    for (int i = 0; i < 3; ++i) shots.push_back({"shot" + std::to_string(i) + ".jpg", 1, 20070101000000 + i});
    const std::size_t each = record_of(shots[0], kRed).size();
    const std::string pack = join_path(folder, thumbnail_pack_name(shots[0], 16, 9));
    {
        const auto disk =
            std::make_shared<ThumbnailDiskCache>(files, folder, ThumbnailDiskCache::kDefaultLimit, each * 5 / 2);
        CountedDecode counted;
        const auto decode = through_disk_cache(disk, counted.fn());
        for (int round = 0; round < 2; ++round)
            for (const ThumbKey& shot : shots) EXPECT_EQ(decode(shot, 16, 9).width, 16);
        EXPECT_EQ(counted.made, 4);  // the third is made each time
        EXPECT_EQ(test::read_file(pack), record_of(shots[0], kRed) + record_of(shots[1], kRed));

        // Held open, it still lets another program move it away and back.
        EXPECT_TRUE(files.rename(pack, pack + ".moved"));
        EXPECT_TRUE(file_exists(pack + ".moved"));
        EXPECT_FALSE(file_exists(pack));
        EXPECT_TRUE(files.rename(pack + ".moved", pack));
        EXPECT_TRUE(disk->find(shots[1], 16, 9).has_value());
    }

    // A pack grown past the cap by someone else is neither read nor written.
    test::write_file(pack, record_of(shots[0], kRed) + record_of(shots[1], kRed) + record_of(shots[2], kRed));
    ThumbnailDiskCache next(files, folder, ThumbnailDiskCache::kDefaultLimit, each * 5 / 2);
    EXPECT_FALSE(next.find(shots[0], 16, 9).has_value());
    next.store(shots[0], 16, 9, solid(16, 9, kRed));
    EXPECT_EQ(files.size(pack), each * 3);
}

TEST(ThumbnailDiskCache, ThreadsStoringAndFindingAcrossManyDaysLoseNothing) {
    test::TempFolder dir;
    test::FaultyFileSystem files;
    const std::string folder = join_path(dir.path(), "thumbnails");
    const auto disk = std::make_shared<ThumbnailDiskCache>(files, folder);
    // Twelve days: more than the packs held open at once.
    const auto shot = [](int thread, int i) {
        return ThumbKey{"t" + std::to_string(thread) + "-" + std::to_string(i) + ".jpg", 1,
                        20070101000000 + i * 1000000};
    };
    std::vector<std::thread> threads;
    std::atomic<int> found{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 12; ++i) disk->store(shot(t, i), 16, 9, solid(16, 9, kRed));
            for (int i = 0; i < 12; ++i) found += disk->find(shot(t, i), 16, 9).has_value();
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(found, 48);
    EXPECT_EQ(files_under(folder).size(), 12u);
    ThumbnailDiskCache next(files, folder);
    int found_next = 0;
    for (int t = 0; t < 4; ++t)
        for (int i = 0; i < 12; ++i) found_next += next.find(shot(t, i), 16, 9).has_value();
    EXPECT_EQ(found_next, 48);
}

TEST(ThumbnailDiskCache, WhereNothingCanBeKeptTheThumbnailStillComes) {
    const struct {
        const char* what;
        bool folder_under_a_file, pack_name_taken, no_folder;
    } faults[] = {
        {"a folder that cannot be made", true, false, false},
        {"a folder where the pack should be", false, true, false},
        {"no cache folder at all", false, false, true},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.what);
        test::TempFolder dir;
        test::FaultyFileSystem files;
        std::string folder = join_path(dir.path(), "thumbnails");
        if (f.folder_under_a_file) {
            test::write_file(join_path(dir.path(), "file"), "x");
            folder = join_path(join_path(dir.path(), "file"), "thumbnails");
        }
        const auto disk = std::make_shared<ThumbnailDiskCache>(files, f.no_folder ? std::string() : folder);
        if (f.pack_name_taken) {
            ASSERT_TRUE(make_folders(files, disk->pack_of(kShot, 16, 9)));
        }
        const auto before = files_under(dir.path());
        CountedDecode counted;
        const auto decode = through_disk_cache(disk, counted.fn());
        expect_near(decode(kShot, 16, 9).pixel(0, 0), kRed, "shown");
        expect_near(decode(kShot, 16, 9).pixel(0, 0), kRed, "shown again");
        EXPECT_EQ(counted.made, 2);
        EXPECT_EQ(files_under(dir.path()), before);
    }
}

TEST(ThumbnailDiskCache, PruningDropsTheLeastRecentlyUsedPacksAndTheOldLayout) {
    test::TempFolder dir;
    test::FaultyFileSystem files;
    // One shot a day for six days, each in a pack of its own.
    std::vector<ThumbKey> shots;
    for (int i = 0; i < 6; ++i) shots.push_back({"shot" + std::to_string(i) + ".jpg", 1, 20070101000000 + i * 1000000});
    const std::size_t each = record_of(shots[0], kRed).size();
    // Room for four and a half: pruning leaves at most seven eighths of that, three.
    ThumbnailDiskCache disk(files, join_path(dir.path(), "thumbnails"), each * 9 / 2);
    ASSERT_TRUE(make_folders(files, disk.folder()));
    const std::time_t day = 86400, long_ago = 1'500'000'000;
    for (int i = 0; i < 6; ++i) {
        const std::string pack = disk.pack_of(shots[i], 16, 9);
        test::write_file(pack, record_of(shots[i], kRed));
        test::set_modified(pack, long_ago + i * day);  // shot0's the least recently used
    }
    const std::string old_folder = join_path(disk.folder(), "ab");
    const std::string kept_folder = join_path(disk.folder(), "cd");
    const std::string foreign = join_path(disk.folder(), "notes.txt");
    ASSERT_TRUE(make_folders(files, old_folder) && make_folders(files, join_path(disk.folder(), "mine")));
    ASSERT_TRUE(make_folders(files, kept_folder));
    test::write_file(join_path(old_folder, "ab01234567890123.thumb"), std::string(each * 20, 'x'));
    test::write_file(join_path(old_folder, "ab01234567890123.thumb.1a2b3c4d.part"), "half");
    test::write_file(join_path(kept_folder, "cd01234567890123.thumb"), "old");
    test::write_file(join_path(kept_folder, "readme.txt"), "someone's");
    test::write_file(join_path(join_path(disk.folder(), "mine"), "x.thumb"), "not in the old layout's folders");
    test::write_file(foreign, std::string(each * 10, 'x'));  // not ours: neither counted nor removed
    ASSERT_TRUE(disk.find(shots[0], 16, 9).has_value());     // used now
    ASSERT_FALSE(disk.find({"unseen.jpg", 1, shots[1].saved}, 16, 9).has_value());  // open, not used

    disk.prune();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(file_exists(disk.pack_of(shots[i], 16, 9)), i == 0 || i >= 4) << shots[i].path;
    EXPECT_FALSE(folder_exists(old_folder));
    EXPECT_EQ(files_under(kept_folder), (std::vector<std::string>{"readme.txt"}));
    EXPECT_TRUE(file_exists(join_path(join_path(disk.folder(), "mine"), "x.thumb")));
    EXPECT_TRUE(file_exists(foreign));
    // The pack pruned while open is made anew, not written into the removed file's handle.
    disk.store(shots[1], 16, 9, solid(16, 9, kBlue));
    EXPECT_TRUE(ThumbnailDiskCache(files, disk.folder()).find(shots[1], 16, 9).has_value());

    // Writing prunes too, now and then: the folder stays within its bound.
    for (int i = 0; i < 6; ++i)
        disk.store({"new" + std::to_string(i) + ".jpg", 1, 20080101000000 + i * 1000000}, 16, 9, solid(16, 9, kBlue));
    std::size_t packs = 0;
    for (const std::string& f : files_under(disk.folder())) packs += f.ends_with(".pack");
    EXPECT_LE(packs * each, each * 9 / 2);
    EXPECT_GE(packs, 3u);
}

}  // namespace
}  // namespace vis
