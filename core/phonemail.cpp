#include "core/phonemail.h"

#include "core/placeholder.h"

void ReceivePhoneMail() { PlaceholderRan("ReceivePhoneMail"); }
