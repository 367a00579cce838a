#include "platform/wx/dbus_notifications.h"

#include <gio/gio.h>

#include <cstring>
#include <deque>
#include <memory>
#include <utility>

#include "platform/wx/dbus_connect_attempt.h"

namespace {

constexpr char kServerName[] = "org.freedesktop.Notifications";
constexpr char kServerPath[] = "/org/freedesktop/Notifications";
constexpr char kServerInterface[] = "org.freedesktop.Notifications";
// The longest the interface waits for the bus or the server at each step: long enough for a
// server that the bus starts on demand, short enough that a hung one holds the windows briefly.
constexpr int kTimeoutMs = 3000;
// Clicks kept for notifications the server has not said are closed: a server that never says so
// costs no more than these.
constexpr std::size_t kMaxClickable = 64;

struct VariantUnref {
    void operator()(GVariant* variant) const { g_variant_unref(variant); }
};
using VariantPtr = std::unique_ptr<GVariant, VariantUnref>;
struct GFree {
    void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFree>;

// D-Bus strings are UTF-8: bytes that are not (a folder's name in another encoding) become U+FFFD.
std::string ValidUtf8(const std::string& text) {
    const GText valid(g_utf8_make_valid(text.data(), static_cast<gssize>(text.size())));
    return valid.get();
}

// A server with body markup takes "<", ">" and "&" as markup; escaped, the text shows as it is.
// Only these three: some servers show other entities as they are written.
std::string EscapedForMarkup(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

GVariant* ImageData(const RgbaPixels& icon) {
    GVariant* bytes =
        g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, icon.bytes.data(), icon.bytes.size(), 1);
    return g_variant_new("(iiibii@ay)", icon.width, icon.height, icon.width * 4, TRUE, 8, 4, bytes);
}

bool IsWhole(const RgbaPixels& icon) {
    return icon.width > 0 && icon.height > 0 &&
           icon.bytes.size() == static_cast<std::size_t>(icon.width) * icon.height * 4;
}

// A private connection of our own: the shared one would end the program when the bus goes away.
class NotificationServer {
public:
    NotificationServer() = default;
    NotificationServer(const NotificationServer&) = delete;
    NotificationServer& operator=(const NotificationServer&) = delete;

    bool Send(const NotificationMessage& message) {
        if (!Connect()) {
            return false;
        }
        // Asked every time: the server may have been replaced by another since.
        const VariantPtr capabilities = Call("GetCapabilities", nullptr, "(as)");
        if (!capabilities) {
            return false;
        }
        bool actions = false;
        bool bodyMarkup = false;
        {
            const VariantPtr list(g_variant_get_child_value(capabilities.get(), 0));
            GVariantIter iter;
            g_variant_iter_init(&iter, list.get());
            const gchar* capability = nullptr;
            while (g_variant_iter_next(&iter, "&s", &capability)) {
                actions = actions || std::strcmp(capability, "actions") == 0;
                bodyMarkup = bodyMarkup || std::strcmp(capability, "body-markup") == 0;
            }
        }
        const bool clickable = message.onClick && actions;
        GVariantBuilder actionList;
        g_variant_builder_init(&actionList, G_VARIANT_TYPE_STRING_ARRAY);
        if (clickable) {
            g_variant_builder_add(&actionList, "s", "default");
            g_variant_builder_add(&actionList, "s", "");
        }
        GVariantBuilder hints;
        g_variant_builder_init(&hints, G_VARIANT_TYPE_VARDICT);
        if (message.icon && IsWhole(*message.icon)) {
            g_variant_builder_add(&hints, "{sv}", "image-data", ImageData(*message.icon));
        }
        const std::string appName = ValidUtf8(message.appName);
        const std::string summary = ValidUtf8(message.summary);
        std::string body = ValidUtf8(message.body);
        if (bodyMarkup) {
            body = EscapedForMarkup(body);
        }
        const VariantPtr reply =
            Call("Notify",
                 g_variant_new("(susssasa{sv}i)", appName.c_str(), 0U, "", summary.c_str(),
                               body.c_str(), &actionList, &hints, -1),
                 "(u)");
        if (!reply) {
            return false;
        }
        guint32 id = 0;
        g_variant_get(reply.get(), "(u)", &id);
        Remember(id, clickable ? message.onClick : nullptr);
        return true;
    }

private:
    bool Connect() {
        if (m_connection && g_dbus_connection_is_closed(m_connection)) {
            Disconnect();  // the bus went away; it may be back
        }
        if (m_connection) {
            return true;
        }
        if (!m_attempt) {
            const GText address(
                g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, nullptr));
            if (!address) {
                return false;
            }
            m_attempt = std::make_unique<DbusConnectAttempt>(address.get());
        }
        if (!m_attempt->Wait(kTimeoutMs)) {
            return false;  // a bus that does not answer: waited for again next time
        }
        m_connection = m_attempt->Take();
        if (m_connection) {
            m_connectionContext = g_main_context_ref(m_attempt->Context());
        }
        m_attempt.reset();
        if (!m_connection) {
            return false;
        }
        // Subscribed outside the attempt's context: the signals come through the default main
        // loop, the interface's.
        m_subscription = g_dbus_connection_signal_subscribe(
            m_connection, kServerName, kServerInterface, nullptr, kServerPath, nullptr,
            G_DBUS_SIGNAL_FLAGS_NONE, &NotificationServer::OnSignal, this, nullptr);
        return true;
    }

    void Disconnect() {
        if (m_connection) {
            g_dbus_connection_signal_unsubscribe(m_connection, m_subscription);
            g_object_unref(m_connection);
        }
        if (m_connectionContext) {
            // GIO's report that the connection closed holds it until it has run there.
            while (g_main_context_iteration(m_connectionContext, FALSE)) {
            }
            g_main_context_unref(m_connectionContext);
        }
        m_connection = nullptr;
        m_connectionContext = nullptr;
        m_subscription = 0;
        m_clicks.clear();
    }

    // The server's reply, or null when there is none in time (parameters are taken either way).
    VariantPtr Call(const char* method, GVariant* parameters, const char* replyType) {
        GError* error = nullptr;
        GVariant* reply = g_dbus_connection_call_sync(
            m_connection, kServerName, kServerPath, kServerInterface, method, parameters,
            G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NONE, kTimeoutMs, nullptr, &error);
        if (!reply) {
            g_error_free(error);
            if (g_dbus_connection_is_closed(m_connection)) {
                Disconnect();
            }
        }
        return VariantPtr(reply);
    }

    void Remember(guint32 id, std::function<void()> onClick) {
        // A server started again numbers its notifications afresh: an id seen before is new.
        Forget(id);
        if (onClick) {
            m_clicks.emplace_back(id, std::move(onClick));
            if (m_clicks.size() > kMaxClickable) {
                m_clicks.pop_front();
            }
        }
    }

    void Forget(guint32 id) {
        for (auto at = m_clicks.begin(); at != m_clicks.end(); ++at) {
            if (at->first == id) {
                m_clicks.erase(at);
                return;
            }
        }
    }

    void Clicked(guint32 id) {
        for (const auto& [clickedId, onClick] : m_clicks) {
            if (clickedId == id) {
                // A copy: the click may show notifications of its own, which changes the list.
                const std::function<void()> run = onClick;
                run();
                return;
            }
        }
    }

    static void OnSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                         const gchar* signal, GVariant* parameters, gpointer self) {
        auto* server = static_cast<NotificationServer*>(self);
        guint32 id = 0;
        if (std::strcmp(signal, "ActionInvoked") == 0 &&
            g_variant_is_of_type(parameters, G_VARIANT_TYPE("(us)"))) {
            const gchar* action = nullptr;
            g_variant_get(parameters, "(u&s)", &id, &action);
            if (std::strcmp(action, "default") == 0) {
                server->Clicked(id);
            }
        } else if (std::strcmp(signal, "NotificationClosed") == 0 &&
                   g_variant_is_of_type(parameters, G_VARIANT_TYPE("(uu)"))) {
            guint32 reason = 0;
            g_variant_get(parameters, "(uu)", &id, &reason);
            server->Forget(id);
        }
    }

    std::unique_ptr<DbusConnectAttempt> m_attempt;
    GDBusConnection* m_connection = nullptr;
    GMainContext* m_connectionContext = nullptr;
    guint m_subscription = 0;
    // The notifications shown with a click to run, oldest first.
    std::deque<std::pair<guint32, std::function<void()>>> m_clicks;
};

}  // namespace

bool SendToNotificationServer(const NotificationMessage& message) {
    // Never destroyed: an attempt to connect may still be under way when the program ends.
    static NotificationServer& server = *new NotificationServer();
    return server.Send(message);
}
