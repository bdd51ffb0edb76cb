// Marks a text that a person reads, where the text is written, so that Qt's translation tools
// (lupdate) find it: TR_NOOP("tamsok", "Game over") is "Game over" itself. The layers below the
// windows compose and keep their texts in English; the windows show every marked text, and
// every text composed from a marked printf form, in the user's language. Texts that are sent
// to a peer are never translated.
//
// Every text of the program is in the one translation context "tamsok", so that a window can
// translate a text without knowing which layer wrote it.
#pragma once

#define TR_NOOP(context, text) text
