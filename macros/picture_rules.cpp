#include "macros/picture_rules.hpp"
