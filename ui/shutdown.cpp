// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/shutdown.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QtGui/qguiapplication_platform.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/socket.h>
#include <unistd.h>

namespace gyrock::ui {
namespace {

int wakeFds[2] = {-1, -1};

extern "C" void onSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    // Nonblocking: a full pipe already holds a close that has not been read.
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[1], &byte, 1);
    errno = saved;
}

}  // namespace

bool closeOnSignals(QObject* owner, std::function<void()> close) {
    if (wakeFds[0] < 0 &&
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeFds) != 0) {
        return false;
    }
    auto* notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [close = std::move(close)] {
        char bytes[16];
        while (::read(wakeFds[0], bytes, sizeof bytes) > 0) {
        }
        close();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool all = true;
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) all = ::sigaction(number, &action, nullptr) == 0 && all;
    return all;
}

namespace {

// The X protocol's client message as it comes off the wire, 32 bytes.
struct ClientMessage {
    std::uint8_t responseType;
    std::uint8_t format;
    std::uint16_t sequence;
    std::uint32_t window;
    std::uint32_t type;
    std::array<std::uint32_t, 5> data;
};
constexpr std::uint8_t kClientMessage = 33;

// Atoms are looked up through the X library that Qt's own X11 support has
// already loaded, so the program needs no X development files to build.
struct InternCookie {
    unsigned int sequence;
};
struct InternReply {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t length;
    std::uint32_t atom;
};
using InternAtomFn = InternCookie (*)(void*, std::uint8_t, std::uint16_t, const char*);
using InternAtomReplyFn = InternReply* (*)(void*, InternCookie, void**);

std::uint32_t internAtom(void* connection, const char* name) {
    void* library = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!library) return 0;
    auto intern = reinterpret_cast<InternAtomFn>(::dlsym(library, "xcb_intern_atom"));
    auto reply = reinterpret_cast<InternAtomReplyFn>(::dlsym(library, "xcb_intern_atom_reply"));
    std::uint32_t atom = 0;
    if (intern && reply) {
        const auto cookie = intern(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
        if (InternReply* answer = reply(connection, cookie, nullptr)) {
            atom = answer->atom;
            std::free(answer);
        }
    }
    ::dlclose(library);
    return atom;
}

class BlockedCloseFilter : public QObject, public QAbstractNativeEventFilter {
public:
    BlockedCloseFilter(QObject* owner, std::uint32_t window, std::uint32_t protocols, std::uint32_t deleteWindow,
                       std::function<void()> close)
        : QObject(owner),
          window_(window),
          protocols_(protocols),
          deleteWindow_(deleteWindow),
          close_(std::move(close)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~BlockedCloseFilter() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const ClientMessage*>(message);
        if ((event->responseType & 0x7f) != kClientMessage || event->window != window_ ||
            event->type != protocols_ || event->data[0] != deleteWindow_) {
            return false;
        }
        // Unblocked, Qt delivers the close itself.
        if (!QGuiApplication::modalWindow()) return false;
        QMetaObject::invokeMethod(this, close_, Qt::QueuedConnection);
        return true;
    }

private:
    std::uint32_t window_;
    std::uint32_t protocols_;
    std::uint32_t deleteWindow_;
    std::function<void()> close_;
};

}  // namespace

void closeEvenWhenBlocked(QObject* owner, unsigned long long windowId, std::function<void()> close) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    const std::uint32_t protocols = internAtom(x11->connection(), "WM_PROTOCOLS");
    const std::uint32_t deleteWindow = internAtom(x11->connection(), "WM_DELETE_WINDOW");
    if (!protocols || !deleteWindow) return;
    new BlockedCloseFilter(owner, static_cast<std::uint32_t>(windowId), protocols, deleteWindow, std::move(close));
}

}  // namespace gyrock::ui
