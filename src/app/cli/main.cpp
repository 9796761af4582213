// kelmo-cli: the computations of KelmoTimes for terminals and scripts.
#include "app/cli/run_cli.h"
#include "platform/clock.h"

int main(int argc, char** argv) {
    kelmo::platform::SystemClock clock;
    return kelmo::cli::runKelmoCli(argc, argv, clock);
}
