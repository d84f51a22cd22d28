#!/usr/bin/python3
"""Reads the calculator through the accessibility bus, as a screen reader does.

    atspi_query.py named NAME          the description of the element called NAME
    atspi_query.py described TEXT      the name (for labels: the text) of the
                                       element described as TEXT
    atspi_query.py value NAME          the text held by the input called NAME
    atspi_query.py focused             the name of the focused element
    atspi_query.py announcements SECONDS DESCRIPTION...
                                       the names announced, during SECONDS, for
                                       the elements described so, one a line

Prints the answer on standard output; exits 1 when the calculator or the
element is not on the bus.
"""
import sys

import pyatspi


def calculator():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Morvane":
            return app
    sys.exit("the calculator is not on the accessibility bus")


def find(predicate):
    found = pyatspi.findDescendant(calculator(), predicate)
    if found is None:
        sys.exit("no such element on the accessibility bus")
    return found


def announcements(seconds, descriptions):
    from gi.repository import GLib

    def on_name(event):
        source = event.source
        if source is not None and source.description in descriptions:
            print(f"{source.description}: {event.source.name}", flush=True)

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    # Ready to hear: the caller starts what it wants announced now.
    print("listening", flush=True)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


def main(args):
    what = args[0]
    if what == "named":
        print(find(lambda a: a.name == args[1]).description)
    elif what == "described":
        print(find(lambda a: a.description == args[1]).name)
    elif what == "value":
        element = find(lambda a: a.name == args[1]).queryText()
        print(element.getText(0, -1))
    elif what == "focused":
        # The innermost one: a container may count as focused with its child.
        focused = pyatspi.findAllDescendants(
            calculator(), lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))
        if not focused:
            sys.exit("nothing has the focus")
        print(focused[-1].name)
    elif what == "announcements":
        announcements(float(args[1]), set(args[2:]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
