// A connection to a D-Bus bus being made, which the interface waits for only so long. GIO finishes
// it on a main context of its own that only Wait runs, so no window event is handled meanwhile.
#pragma once

#include <gio/gio.h>

class DbusConnectAttempt {
public:
    // Starts connecting to the bus at address.
    explicit DbusConnectAttempt(const gchar* address);
    // Only once finished: until then GIO may still report to this attempt.
    ~DbusConnectAttempt();
    DbusConnectAttempt(const DbusConnectAttempt&) = delete;
    DbusConnectAttempt& operator=(const DbusConnectAttempt&) = delete;

    // True once finished; waits at most timeoutMs for that.
    bool Wait(int timeoutMs);
    // The connection made, for the caller to keep; null when the attempt failed.
    GDBusConnection* Take();
    // Where GIO reports the connection's own events (its closing), for the caller to run once it
    // lets the connection go; the caller holds a reference of its own to keep it.
    GMainContext* Context() const { return m_context; }

private:
    static void OnDone(GObject* source, GAsyncResult* result, gpointer self);

    GMainContext* m_context;
    GDBusConnection* m_connection = nullptr;
    bool m_finished = false;
};
