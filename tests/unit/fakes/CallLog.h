#pragma once
// One ordered record of the calls several fakes receive, for tests of sequences.

#include <algorithm>
#include <string>
#include <vector>

namespace zorbel::fakes {

struct CallLog {
    std::vector<std::string> calls;

    void Add(std::string call) { calls.push_back(std::move(call)); }
    bool Has(const std::string& call) const { return std::find(calls.begin(), calls.end(), call) != calls.end(); }
};

}  // namespace zorbel::fakes
