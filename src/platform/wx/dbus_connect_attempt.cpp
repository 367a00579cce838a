#include "platform/wx/dbus_connect_attempt.h"

#include <utility>

DbusConnectAttempt::DbusConnectAttempt(const gchar* address) : m_context(g_main_context_new()) {
    g_main_context_push_thread_default(m_context);
    g_dbus_connection_new_for_address(
        address,
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &DbusConnectAttempt::OnDone, this);
    g_main_context_pop_thread_default(m_context);
}

DbusConnectAttempt::~DbusConnectAttempt() {
    if (m_connection) {
        g_object_unref(m_connection);
    }
    g_main_context_unref(m_context);
}

bool DbusConnectAttempt::Wait(int timeoutMs) {
    bool timedOut = false;
    GSource* timer = g_timeout_source_new(static_cast<guint>(timeoutMs));
    g_source_set_callback(
        timer,
        [](gpointer flag) -> gboolean {
            *static_cast<bool*>(flag) = true;
            return G_SOURCE_REMOVE;
        },
        &timedOut, nullptr);
    g_source_attach(timer, m_context);
    while (!m_finished && !timedOut) {
        g_main_context_iteration(m_context, TRUE);
    }
    g_source_destroy(timer);
    g_source_unref(timer);
    return m_finished;
}

GDBusConnection* DbusConnectAttempt::Take() {
    return std::exchange(m_connection, nullptr);
}

void DbusConnectAttempt::OnDone(GObject*, GAsyncResult* result, gpointer self) {
    auto* attempt = static_cast<DbusConnectAttempt*>(self);
    attempt->m_connection = g_dbus_connection_new_for_address_finish(result, nullptr);
    attempt->m_finished = true;
}
