// The platform services the windows of the desktop program work through. The program gives
// them the real services; the tests give them fakes.
#pragma once

#include "files/reports/show_report.h"
#include "platform/autostart_entry.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/program_starter.h"
#include "platform/timer_endpoint.h"

namespace kelmo::ui {

struct Services {
    platform::MessageBox& messages;
    platform::TimerEndpoint& timer;
    platform::ProgramStarter& programs;
    platform::AutostartEntry& autostart;
    platform::FileChooser& files;
    const platform::Clock& clock;
    ReportServices& reports;  // the report file and the editor
};

}  // namespace kelmo::ui
