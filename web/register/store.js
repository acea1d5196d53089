// The register's database: PouchDB over the browser's IndexedDB, so that the
// same documents can later replicate with a CouchDB server as they are.
import PouchDB from 'pouchdb-browser';

export const DATABASE = 'korvane-register';
export const BACKUP_FORMAT = 'korvane-register-backup';

// Why a write failed, as the page says it: the device's storage full, the
// browser refusing storage altogether, or anything else.
export function failureKind(error) {
  const text = `${error?.name ?? ''} ${error?.message ?? ''} ${error?.reason ?? ''}`;
  if (/quota/i.test(text)) return 'full';
  if (/indexeddb|idb|not allowed|security|denied|unknown_error|went_bad/i.test(text)) return 'refused';
  return 'other';
}

export async function openStore(name = DATABASE) {
  const db = new PouchDB(name);
  // A register the browser may evict when space runs short is not a register.
  navigator.storage?.persist?.().catch(() => {});
  return {
    db,
    // The documents whose ids begin with `prefix`, in the order of their ids.
    async range(prefix) {
      const answer = await db.allDocs({ include_docs: true, conflicts: true, startkey: prefix,
        endkey: `${prefix}\ufff0` });
      return answer.rows.map((row) => row.doc);
    },
    put: (doc) => db.put(doc),
    // Every document with its revision history and its conflicting leaves,
    // so that a restore elsewhere keeps ids and revisions and a later
    // replication finds nothing new in it.
    async backup() {
      const answer = await db.allDocs({ conflicts: true, include_docs: true });
      const wanted = [];
      for (const row of answer.rows) {
        wanted.push({ id: row.id, rev: row.value.rev });
        for (const rev of row.doc?._conflicts ?? []) wanted.push({ id: row.id, rev });
      }
      const got = wanted.length ? await db.bulkGet({ docs: wanted, revs: true }) : { results: [] };
      const docs = got.results.flatMap((r) => r.docs.map((d) => d.ok).filter(Boolean));
      return { format: BACKUP_FORMAT, version: 1, made: new Date().toISOString(), docs };
    },
    // Writes a backup's documents as they were, revisions and all; a
    // document already here with the same revision is left as it is.
    async restore(backup) {
      if (backup?.format !== BACKUP_FORMAT || !Array.isArray(backup.docs)) throw new Error('not a backup');
      const docs = backup.docs.filter((d) => d && typeof d._id === 'string' && typeof d._rev === 'string');
      const answer = await db.bulkDocs(docs, { new_edits: false });
      const failed = answer.filter((r) => r.error);
      if (failed.length) throw failed[0];
      return docs.length;
    },
  };
}
