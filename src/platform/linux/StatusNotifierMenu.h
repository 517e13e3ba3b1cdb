#pragma once
// The icon's menu exported on the session bus (com.canonical.dbusmenu), for hosts of
// StatusNotifierItems to show; a click on an entry reaches onChoice with the entry's id.
#include <functional>
#include <memory>
#include <string>
#include <vector>

typedef struct _DbusmenuServer DbusmenuServer;
typedef struct _DbusmenuMenuitem DbusmenuMenuitem;

namespace stillmark {

class StatusNotifierMenu {
public:
    StatusNotifierMenu(const std::string& objectPath, bool paused, std::function<void(int id)> onChoice);
    ~StatusNotifierMenu();
    StatusNotifierMenu(const StatusNotifierMenu&) = delete;
    StatusNotifierMenu& operator=(const StatusNotifierMenu&) = delete;

    // Relabels the pause entry; hosts showing the menu are told.
    void SetPaused(bool paused);

private:
    struct Entry {
        StatusNotifierMenu* menu;
        int id;
        DbusmenuMenuitem* item;
    };
    static void OnActivated(DbusmenuMenuitem* item, unsigned timestamp, void* data);

    std::function<void(int)> m_onChoice;
    DbusmenuServer* m_server = nullptr;
    DbusmenuMenuitem* m_root = nullptr;
    std::vector<std::unique_ptr<Entry>> m_entries;
};

} // namespace stillmark
