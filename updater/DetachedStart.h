#pragma once

#include <string>

// Starts a program in a session of its own so that it outlives the starter:
// the intermediate child that creates the session is reaped at once and the
// program itself is adopted by init, so no zombie is left behind. Its standard
// streams go to /dev/null and it inherits the environment. Whether the program
// could be run is not reported: nobody would be there to hear it.
namespace DetachedStart {

// `program` is resolved against `directory`, which becomes its working directory.
void start(const std::string& directory, const std::string& program);

}
