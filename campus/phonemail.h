#pragma once

// The best friend's mail, two minutes before the end of a long walk.
void ReceivePhoneMail();
