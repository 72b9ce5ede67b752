#pragma once
// The viewer's counter as the window tests build it: a label over a red picture that fills a form
// of 1500 x 1500 twips, white on the given back colour.
#include <memory>
#include <vector>

#include "ui/colour.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis::test {

struct CounterOverPicture {
    CounterOverPicture(Form& form, Colour back) : picture(form, "picture", true), counter(form, "counter", kText) {
        form.set_client_size(1500, 1500);
        picture.set_bounds({0, 0, 1500, 1500});
        picture.set_picture({2, 2, std::make_shared<std::vector<std::uint32_t>>(4, 0xFFFF0000u)});
        counter.set_bounds({150, 150, 1200, 600});
        counter.set_back_colour(back);
        counter.set_fore_colour(rgb(255, 255, 255));
    }
    static constexpr const char* kText = "1/5 (||････････)";
    ImageBox picture;
    Label counter;
};

}  // namespace vis::test
