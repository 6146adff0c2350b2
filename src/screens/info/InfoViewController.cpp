#include "screens/info/InfoViewController.h"
