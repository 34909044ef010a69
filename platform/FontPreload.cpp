#include "platform/FontPreload.h"

#include <QtGlobal>

#include <system_error>

#if defined(Q_OS_UNIX)
#include <dlfcn.h>
#endif
#if defined(Q_OS_LINUX)
#include <pthread.h>
#include <sched.h>
#endif

namespace tandrel::platform {

namespace {

FontPreload* g_running = nullptr;

// A new thread tends to start on its creator's CPU, where the two would take
// turns; the preload only gains when it runs beside the GUI thread.
void moveToAnotherCpu([[maybe_unused]] std::thread& thread)
{
#if defined(Q_OS_LINUX)
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    const int current = sched_getcpu();
    if (current < 0 || sched_getaffinity(0, sizeof allowed, &allowed) != 0 || CPU_COUNT(&allowed) < 2)
        return;
    CPU_CLR(current, &allowed);
    pthread_setaffinity_np(thread.native_handle(), sizeof allowed, &allowed);
#endif
}

} // namespace

FontPreload::FontPreload()
{
#if defined(Q_OS_UNIX)
    // Looked up, not linked: Qt Gui loads the library when it uses it, and a
    // build without it simply does nothing here.
    using Init = int (*)();
    if (auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"))) {
        try {
            m_thread = std::thread(init);
            moveToAnotherCpu(m_thread);
            g_running = this;
        } catch (const std::system_error&) {
            // No thread to spare: Qt reads the configuration itself.
        }
    }
#endif
}

FontPreload::~FontPreload()
{
    Wait();
}

void FontPreload::WaitForFonts()
{
    if (g_running)
        g_running->Wait();
}

void FontPreload::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
    if (g_running == this)
        g_running = nullptr;
}

} // namespace tandrel::platform
