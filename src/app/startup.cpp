#include "app/startup.h"

#include <utility>

#include "app/app_context.h"
#include "app/main_window/frm_sulfite.h"
#include "core/rules/messages.h"
#include "core/rules/product.h"
#include "platform/instance_guard.h"
#include "platform/settings_location.h"
#include "platform/settings_store.h"
#include "platform/translations.h"

namespace korvane {

bool LoadMainWindow(FrmSulfite& window, platform::InstanceGuard& guard,
                    const QString& programFolder) {
    AppContext& context = window.Context();
    platform::SettingsPlaces places = platform::SettingsPlacesFor(programFolder);
    context.SetSettingsSavePath(std::move(places.saveTo));

    if (!guard.Acquire(programFolder)) {
        context.ShowCritical(
            platform::CoreText(kAlreadyRunningMessage).arg(QString::fromLatin1(kApplicationTitle)));
        window.close();
        return false;
    }

    const bool applied = platform::ReadUserDefaults(context.Defaults(), places.readFrom) &&
                         window.ApplyDefaults(context.Defaults());
    if (!applied) {
        context.ShowCritical(platform::CoreText(kDefaultsNotFoundMessage));
        // Every field is overwritten, so nothing of a broken file stays.
        window.ApplyDefaults(SystemDefaults());
    }
    window.RecalculateResults();
    return true;
}

}  // namespace korvane
