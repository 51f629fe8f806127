// A window system for driving the builder's logic directly in tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "builder/builder_host.h"

namespace builder_tests {

class FakeHost : public builder::BuilderHost {
  public:
    builder::DesktopSize desktop{640, 480};
    std::vector<std::string> boxes;  // caption + "|" + text
    std::deque<bool> answers;
    std::deque<std::string> folders;
    std::vector<std::string> browsed;  // title + "|" + start directory
    int waited = 0;
    int presented = 0;
    std::string titles[3];

    builder::DesktopSize desktopSize() override { return desktop; }
    builder::WindowsOpened openWindows(const builder::DesktopSize&) override {
        return {true, true, true, true};
    }
    void setWindowTitle(builder::WindowId window, std::string_view title) override {
        titles[static_cast<int>(window)] = std::string(title);
    }
    builder::WindowInfo windowInfo(builder::WindowId window) override {
        builder::WindowInfo info;
        info.exists = true;
        info.title = titles[static_cast<int>(window)];
        return info;
    }
    void showToolWindows(bool) override {}
    void activateWindow(builder::WindowId) override {}
    void closeWindows() override {}
    void present(const media::Framebuffer&) override { ++presented; }
    void messageBox(std::string_view caption, std::string_view text) override {
        boxes.push_back(std::string(caption) + "|" + std::string(text));
    }
    bool question(std::string_view caption, std::string_view text) override {
        messageBox(caption, text);
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    std::string browseFolder(std::string_view title, std::string_view start) override {
        browsed.push_back(std::string(title) + "|" + std::string(start));
        if (folders.empty()) return {};
        std::string folder = folders.front();
        folders.pop_front();
        return folder;
    }
    void wait(int milliseconds) override { waited += milliseconds; }
    base::LocalTime localTime() override { return {2014, 8, 11, 9, 5, 7}; }
    std::int64_t localSeconds() override { return 1407747907; }
};

}  // namespace builder_tests
