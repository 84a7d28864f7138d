#pragma once
// The stand-in's log: one line per event, flushed at once so that a test
// can read it while the stand-in runs.

#include <cstdio>
#include <memory>
#include <string>

namespace zorbel::standin {

class CommandLog {
public:
    explicit CommandLog(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {}
    void Line(const std::string& text) {
        if (!file_) return;
        std::fputs((text + "\n").c_str(), file_.get());
        std::fflush(file_.get());
    }

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace zorbel::standin
