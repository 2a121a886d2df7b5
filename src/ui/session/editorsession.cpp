#include "session/editorsession.h"

namespace tarnloft {

EditorSession::EditorSession(QObject* parent) : QObject(parent) {
    qRegisterMetaType<tarnloft::ChangeReport>("tarnloft::ChangeReport");
}

}  // namespace tarnloft
