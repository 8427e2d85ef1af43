// Builds engine/holiday_table.inc, the days off (休) and make-up working
// days (班) of the yearly holiday schedules, from two independent sources:
// the npm packages chinese-days and lunar-javascript. Only the years both
// cover go into the table. Run through regenerate.sh, which installs them.
//
// Both sources are first brought to one form:
//  - a weekend day joined to a day off by unmarked weekend days belongs to
//    that block of days off and is off, as the published schedule counts it
//    ("5月31日至6月2日放假" takes in the Saturday and Sunday before a Monday);
//  - a make-up working day is always a weekend day: a weekday is never 班.
// Every date the two still disagree on is printed; each must have a
// decision in SETTLED below, or the table is not written.
'use strict';

const fs = require('fs');
const chineseDays = require('chinese-days/dist/chinese-days.json');
const { HolidayUtil } = require('lunar-javascript');

const OFF = '休', WORK = '班';

// Disputed dates, decided from the published schedule's own rules: a block
// of N days off is the statutory days plus the weekend days moved into it,
// and every weekend day moved away is worked. null leaves the date unmarked
// where those rules do not decide it.
const SETTLED = {
    // 元旦 2006: 1月1日至3日, 3 days for 1 statutory day: the Sunday inside
    // and one more weekend day make it up; the schedule works Saturday 12-31.
    '2005-12-31': WORK,
    // 清明 2013: 4月4日至6日, 3 days for 1 statutory day: Saturday 04-06 is
    // inside, Friday 04-05 is paid by the next weekend day, Sunday 04-07.
    '2013-04-07': WORK,
    // 国庆 2013: 10月1日至7日, 7 days for 3 statutory days: two weekend days
    // inside, so two worked: Sunday 09-29 (both sources) and Saturday 10-12.
    '2013-10-12': WORK,
};

function parse(iso) {
    const [y, m, d] = iso.split('-').map(Number);
    return new Date(Date.UTC(y, m - 1, d));
}
function iso(date) { return date.toISOString().slice(0, 10); }
function isWeekend(date) { const w = date.getUTCDay(); return w === 0 || w === 6; }
function addDays(date, n) { return new Date(date.getTime() + n * 86400000); }

// Map iso -> OFF | WORK for one source, restricted to `years`.
function fromChineseDays() {
    const marks = new Map();
    for (const day of Object.keys(chineseDays.holidays)) marks.set(day, OFF);
    for (const day of Object.keys(chineseDays.workdays)) marks.set(day, WORK);
    return marks;
}
function fromLunarJavascript(years) {
    const marks = new Map();
    for (const year of years)
        for (const h of HolidayUtil.getHolidays(year)) marks.set(h.getDay(), h.isWork() ? WORK : OFF);
    return marks;
}

function yearsOf(marks) { return new Set([...marks.keys()].map(d => Number(d.slice(0, 4)))); }

// The common form described at the top.
function normalise(marks) {
    const out = new Map();
    for (const [day, mark] of marks)
        if (mark === OFF || isWeekend(parse(day))) out.set(day, mark);
    for (const [day, mark] of [...out]) {
        if (mark !== OFF) continue;
        for (const step of [-1, 1])
            for (let d = addDays(parse(day), step); isWeekend(d) && !out.has(iso(d)); d = addDays(d, step))
                out.set(iso(d), OFF);
    }
    return out;
}

function main() {
    const output = process.argv[2];
    const a = fromChineseDays();
    const bAll = fromLunarJavascript(Array.from({ length: 200 }, (_, i) => 1950 + i));
    // A year counts as covered by a source when it holds that year's Spring
    // Festival block (the other source's entries may spill over a new year).
    const covered = [...yearsOf(a)].filter(y => yearsOf(bAll).has(y)).sort();
    const first = covered[0], last = covered[covered.length - 1];
    if (covered.length !== last - first + 1) throw new Error('the covered years have a gap');
    const inRange = day => { const y = Number(day.slice(0, 4)); return y >= first && y <= last; };
    const pick = marks => new Map([...marks].filter(([day]) => inRange(day)));
    const ra = pick(a), rb = pick(bAll);
    const raw = [...new Set([...ra.keys(), ...rb.keys()])].filter(day => ra.get(day) !== rb.get(day));
    console.log(`${raw.length} dates of ${first}..${last} differ between the sources as published`);
    const na = normalise(ra), nb = normalise(rb);

    const table = new Map();
    const unsettled = [];
    const days = new Set([...na.keys(), ...nb.keys()]);
    for (const day of [...days].sort()) {
        const ma = na.get(day), mb = nb.get(day);
        if (ma === mb) { table.set(day, ma); continue; }
        const weekday = '日一二三四五六'[parse(day).getUTCDay()];
        const decision = Object.prototype.hasOwnProperty.call(SETTLED, day) ? SETTLED[day] : undefined;
        console.log(`disputed ${day} (周${weekday}): chinese-days ${ma || '-'} (published ${ra.get(day) || '-'}), ` +
                    `lunar-javascript ${mb || '-'} (published ${rb.get(day) || '-'})` +
                    ` -> ${decision === undefined ? 'UNSETTLED' : decision || 'unmarked'}`);
        if (decision === undefined) unsettled.push(day);
        else if (decision) table.set(day, decision);
    }
    if (unsettled.length) throw new Error(`${unsettled.length} disputed dates have no decision`);

    const lines = [
        '// Generated by tools/holidays/regenerate.sh. Do not edit.',
        `// Days off and make-up working days ${first}..${last}: a day as YYYYMMDD,`,
        '// negative for a make-up working day (班), positive for a day off (休).',
    ];
    for (let y = first; y <= last; ++y) {
        const row = [...table].filter(([day]) => Number(day.slice(0, 4)) === y)
            .map(([day, mark]) => (mark === WORK ? '-' : '') + day.replace(/-/g, ''));
        lines.push(`/* ${y} */ ${row.join(',')},`);
    }
    fs.writeFileSync(output, lines.join('\n') + '\n');
    console.log(`${table.size} marked days, years ${first}..${last}`);
}

main();
