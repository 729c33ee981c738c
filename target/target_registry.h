// The host's TargetRegistry table, as the public header declares it for hosts.
#pragma once

#include "include/kelvdcfg.h"
