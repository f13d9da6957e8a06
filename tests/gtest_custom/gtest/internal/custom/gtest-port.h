// tests/gtest_custom/gtest/internal/custom/gtest-port.h
// GoogleTest's place for a platform's own definitions, found ahead of its empty default. The
// C++ runtime of the win32 threading model, which the Windows build uses, has no std::mutex or
// std::condition_variable, which GoogleTest's Notification (a one-way signal between threads)
// is made of on Windows; here it is a Windows event (tests/gtest_custom/notification_win32.cpp,
// so that windows.h and its macros stay out of every test).
#pragma once

#ifdef _WIN32
namespace testing {
namespace internal {

class Notification {
public:
    Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    ~Notification();

    void Notify();
    void WaitForNotification();

private:
    void* event_;
};

}  // namespace internal
}  // namespace testing

#define GTEST_HAS_NOTIFICATION_ 1
#endif
