#pragma once
// The sound files at the program's start: the check on the first run and the
// loading of the buffers while the options are read. A file that is missing,
// or there but no sound the program can play, is reported once, and the
// program goes on without sound.

#include "storage/optionsstartup.h"

namespace tymba {

struct AppContext;

// The hooks the start-up load of the options calls (see SoundHooks).
SoundHooks startupSoundHooks(AppContext& context);

}  // namespace tymba
