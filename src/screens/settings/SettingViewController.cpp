#include "screens/settings/SettingViewController.h"
