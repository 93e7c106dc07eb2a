/* Lists the events of an iCalendar file as libical reads them, one line
 * each: "DTSTART DTEND SUMMARY | DESCRIPTION", all-day dates as YYYYMMDD.
 * Fails on a file libical does not read whole, or an event that is not an
 * all-day one. tools/package-test.sh (for the installed program) and
 * tst_commandline (for the built one) compare the list with
 * tests/data/sample-events.txt.
 * Build: cc ics-events.c $(pkg-config --cflags --libs libical) */
#include <libical/ical.h>
#include <stdio.h>
#include <stdlib.h>

static char *readAll(const char *path)
{
    FILE *f = fopen(path, "rb");
    if (!f)
        return NULL;
    size_t size = 0, room = 4096;
    char *text = malloc(room);
    size_t got;
    while (text && (got = fread(text + size, 1, room - size - 1, f)) > 0) {
        size += got;
        if (room - size - 1 == 0)
            text = realloc(text, room *= 2);
    }
    fclose(f);
    if (text)
        text[size] = '\0';
    return text;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: ics-events FILE.ics\n");
        return 2;
    }
    char *text = readAll(argv[1]);
    if (!text) {
        fprintf(stderr, "ics-events: cannot read %s\n", argv[1]);
        return 1;
    }
    icalcomponent *calendar = icalparser_parse_string(text);
    free(text);
    if (!calendar || icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) {
        fprintf(stderr, "ics-events: %s holds no calendar\n", argv[1]);
        return 1;
    }
    int status = 0;
    if (icalcomponent_count_errors(calendar) != 0) {
        fprintf(stderr, "ics-events: libical found %d error(s) in %s\n", icalcomponent_count_errors(calendar), argv[1]);
        status = 1;
    }
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const struct icaltimetype start = icalcomponent_get_dtstart(e), end = icalcomponent_get_dtend(e);
        if (!start.is_date || !end.is_date) {
            fprintf(stderr, "ics-events: an event that is not all-day: %s\n", icalcomponent_get_summary(e));
            status = 1;
        }
        const char *description = icalcomponent_get_description(e);
        printf("%04d%02d%02d %04d%02d%02d %s | %s\n", start.year, start.month, start.day, end.year, end.month, end.day,
               icalcomponent_get_summary(e), description ? description : "");
    }
    icalcomponent_free(calendar);
    return status;
}
