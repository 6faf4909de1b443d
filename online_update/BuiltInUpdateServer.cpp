#include "BuiltInUpdateServer.h"

UpdateServer BuiltInUpdateServer::get()
{
    return UpdateServer{SLOWNIK_UPDATE_HOST, SLOWNIK_UPDATE_KEY};
}
