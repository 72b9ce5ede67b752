#include "settings_dialog/update_check.h"

#include <optional>

#include "core/app.h"
#include "services/number_text.h"
#include "ui/form.h"

namespace vis {

namespace {

constexpr const char* kQueryPath = "/cgi-bin/soft/ver.cgi?mode=ver&file=pelmar_vistelle";
constexpr const char* kDownloadPath = "/cgi-bin/soft/dl.cgi?mode=dl&file=pelmar_vistelle&ver_up=";
constexpr const char* kBlanks = " \t\r\n";

// Nothing but blanks follows the number.
bool whole_text(const NumberText& n, const std::string& text) {
    return n.found && text.find_first_not_of(kBlanks, n.end) == std::string::npos;
}

// "#.#0", rounding the third decimal half away from zero.
std::string format_number(const NumberText& n) {
    const std::string fraction = n.fraction_digits();
    std::string digits = n.integer_digits() + (fraction + "00").substr(0, 2);
    if (fraction.size() > 2 && fraction[2] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i > 0)
            ++digits[i - 1];
        else
            digits.insert(digits.begin(), '1');
    }
    std::string integer = digits.substr(0, digits.size() - 2);
    const std::string cents = digits.substr(digits.size() - 2);
    integer.erase(0, integer.find_first_not_of('0'));
    const bool zero = integer.empty() && cents == "00";
    return (n.negative && !zero ? "-" : "") + integer + "." + cents;
}

}  // namespace

std::string version_query_url(const std::string& server) {
    return server + kQueryPath;
}

std::string download_page_url(const std::string& server, const std::string& current_version) {
    return server + kDownloadPath + format_version(current_version);
}

double version_value(const std::string& text) {
    return read_number(text).value().value_or(0.0);
}

std::string format_version(const std::string& text) {
    const NumberText n = read_number(text);
    return whole_text(n, text) && n.value() ? format_number(n) : text;
}

UpdateCheck check_for_update(Platform& p, const std::string& current_version) {
    return read_version_answer(p.http.get(version_query_url(p.update_server), kVersionQueryTimeoutMs), current_version);
}

UpdateCheck read_version_answer(const std::string& answer, const std::string& current_version) {
    UpdateCheck check;
    if (answer.find_first_not_of(kBlanks) == std::string::npos) return check;
    // Only the version number is taken from the answer: whatever else the server (or a proxy in
    // between) sends is never shown, and an answer without a number counts as version 0.
    NumberText n = read_number(answer);
    const std::optional<double> latest = n.value();
    if (!latest) n = {};
    check.shown = format_number(n);
    check.status =
        latest.value_or(0.0) > version_value(current_version) ? UpdateStatus::newer : UpdateStatus::up_to_date;
    return check;
}

void report_no_network(Prompts& prompts, const Form& owner) {
    prompts.message_box({"ネットワークに接続できませんでした。", kAppTitle, MsgButtons::ok, MsgIcon::none, 0, &owner});
}

void offer_download(Platform& p, const UpdateCheck& check, const std::string& current_version, const Form& owner) {
    const std::string question = "新しいバージョン(Ver " + check.shown + ")が公開されています。\r\n" +
                                 "[はい]を押すとダウンロードを開始します。";
    if (p.prompts.message_box({question, "確認", MsgButtons::yes_no, MsgIcon::question, 0, &owner}) != MsgResult::yes)
        return;
    p.shell.open(download_page_url(p.update_server, current_version), p.program_folder);
}

void report_up_to_date(Prompts& prompts, const UpdateCheck& check, const Form& owner) {
    prompts.message_box({"最新バージョン(Ver " + check.shown + ")です。このままお使いください", "バージョン",
                         MsgButtons::ok, MsgIcon::information, 0, &owner});
}

}  // namespace vis
