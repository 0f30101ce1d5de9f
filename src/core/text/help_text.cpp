#include "core/text/help_text.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

bool IsTopicNumber(const std::string& s) {
    return !s.empty() && s.size() <= 6 &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// Splits one reflowed block text into plain and link spans.
std::vector<THelpSpan> Spans(const std::string& text) {
    std::vector<THelpSpan> spans;
    auto addText = [&spans](const std::string& s) {
        if (s.empty()) return;
        if (!spans.empty() && spans.back().Link == 0)
            spans.back().Text += s;
        else
            spans.push_back({s, 0});
    };
    size_t from = 0;
    while (from < text.size()) {
        const size_t open = text.find("[[", from);
        const size_t close = open == std::string::npos ? open : text.find("]]", open + 2);
        if (close == std::string::npos) {
            addText(text.substr(from));
            break;
        }
        const std::string inner = text.substr(open + 2, close - open - 2);
        if (IsTopicNumber(inner)) {
            addText(text.substr(from, open - from));
            spans.push_back({"", std::stoi(inner)});
        } else {
            addText(text.substr(from, close + 2 - from));  // brackets around no number are text
        }
        from = close + 2;
    }
    return spans;
}

}  // namespace

std::vector<THelpBlock> ParseHelpText(const std::string& text) {
    std::vector<THelpBlock> blocks;
    std::string current;
    auto kind = THelpBlock::Kind::Paragraph;
    auto finish = [&] {
        if (!current.empty()) blocks.push_back({kind, Spans(current)});
        current.clear();
        kind = THelpBlock::Kind::Paragraph;
    };
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = plat::Trim(line);
        if (trimmed.empty()) {
            finish();
        } else if (trimmed.rfind("## ", 0) == 0) {
            finish();
            current = plat::Trim(trimmed.substr(3));
            kind = THelpBlock::Kind::Heading;
            finish();
        } else if (trimmed.rfind("- ", 0) == 0) {
            finish();
            current = plat::Trim(trimmed.substr(2));
            kind = THelpBlock::Kind::Item;
        } else {
            if (!current.empty()) current += ' ';
            current += trimmed;
        }
    }
    finish();
    return blocks;
}

std::vector<int> HelpLinks(const std::vector<THelpBlock>& blocks) {
    std::vector<int> links;
    for (const THelpBlock& b : blocks)
        for (const THelpSpan& s : b.Spans)
            if (s.Link) links.push_back(s.Link);
    return links;
}

std::vector<plat::HelpTopicTitle> HelpIndex(std::vector<plat::HelpTopicTitle> topics) {
    std::stable_sort(topics.begin(), topics.end(), [](const auto& a, const auto& b) {
        return plat::UpperCase(a.title) < plat::UpperCase(b.title);
    });
    return topics;
}
