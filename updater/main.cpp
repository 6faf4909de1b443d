// The updater: started by slownik, without arguments, from the application
// directory once the new program has been downloaded. It reports nothing and
// always ends with exit code 0; there is nobody to read what it could say.
#include "Updater.h"

int main()
{
    try {
        const Updater updater(".", Retry(Updater::Attempts, Updater::Pause, Retry::sleepFor));
        (void)updater.run();
    } catch (...) {
    }
    return 0;
}
