#pragma once
// The version query against the author's update server, the "#.#0" version display, and the
// answers the start-up and manual checks give the user.
#include <string>

#include "services/platform.h"

namespace vis {

class Form;

// How long a version query waits for the server before it counts as no answer; the query blocks
// the window meanwhile, so it stays short.
inline constexpr int kVersionQueryTimeoutMs = 5000;

std::string version_query_url(const std::string& server);
// The page the user downloads from; it names the version the user has now.
std::string download_page_url(const std::string& server, const std::string& current_version);

// The number at the start of a version text, blanks skipped; 0 when the text starts with none.
double version_value(const std::string& text);
// "#.#0": two decimals, no zero before the point (2.1 -> "2.10", 3 -> "3.00", 0.5 -> ".50").
// A text that is not a number comes back unchanged.
std::string format_version(const std::string& text);

enum class UpdateStatus { no_answer, newer, up_to_date };

struct UpdateCheck {
    UpdateStatus status = UpdateStatus::no_answer;
    // The answered version as the user sees it: only its number, formatted "#.#0".
    std::string shown;
};

// What the server's answer says against the current version.
UpdateCheck read_version_answer(const std::string& answer, const std::string& current_version);

// Asks the server (synchronously) and compares its answer with the current version.
UpdateCheck check_for_update(Platform& p, const std::string& current_version);

void report_no_network(Prompts& prompts, const Form& owner);
// Asks whether to download the newer version and, on Yes, opens the download page.
void offer_download(Platform& p, const UpdateCheck& check, const std::string& current_version, const Form& owner);
void report_up_to_date(Prompts& prompts, const UpdateCheck& check, const Form& owner);

}  // namespace vis
