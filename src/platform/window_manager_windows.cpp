#include "platform/window_manager.h"

bool WindowManagerRunning()
{
    return true; // Windows manages its windows itself
}
