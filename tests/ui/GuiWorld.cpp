#include "GuiWorld.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace fs = std::filesystem;

namespace zel::test {

GuiWorld::GuiWorld()
    : platform([this] {
          world.AddDrive('C');
          return world.MakePlatform();
      }()),
      m_oldDirectory(fs::current_path()) {
    fs::create_directories(world.Native("C:\\ZELKOR"));
    fs::current_path(world.Native("C:\\ZELKOR"));
}

GuiWorld::~GuiWorld() {
    fs::current_path(m_oldDirectory);
}

void GuiWorld::WriteConfig() {
    world.WriteFile("C:\\ZELKOR\\ZELPULT.INI");
}

void GuiWorld::EnterDirectory(const fs::path& native) {
    fs::current_path(native);
}

ModalWatch::ModalWatch() {
    QTimer::singleShot(0, [this] {
        m_fired = true;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            m_seen = box->text();
            box->done(0);
        }
    });
}

ModalWatch::~ModalWatch() {
    while (!m_fired) {
        QCoreApplication::processEvents();
    }
}

} // namespace zel::test
