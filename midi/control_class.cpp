#include "midi/control_class.h"

#include <map>
#include <mutex>
#include <string>

namespace tonmark {
namespace {

struct ControlClasses {
    std::mutex mutex;
    std::map<std::string, ControlFactory> factories;
};

ControlClasses& Classes() {
    static ControlClasses classes;
    return classes;
}

} // namespace

void RegisterControlClass(const char* className, ControlFactory factory) {
    if (!className || !factory) return;
    std::lock_guard lock(Classes().mutex);
    Classes().factories[className] = factory;
}

QWidget* CreateControl(const char* className, QWidget* parent) {
    if (!className) return nullptr;
    ControlFactory factory = nullptr;
    {
        std::lock_guard lock(Classes().mutex);
        const auto found = Classes().factories.find(className);
        if (found != Classes().factories.end()) factory = found->second;
    }
    return factory ? factory(parent) : nullptr;
}

} // namespace tonmark
